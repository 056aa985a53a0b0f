<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_TW">
<context>
    <name>TechniqueNames</name>
    <message>
        <location filename="../ui/main/play/techniquenames.cpp" line="+8"/>
        <source>最後空格</source>
        <translation>最后空格</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>顯性單一</source>
        <translation>显性单一</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>隱性單一</source>
        <translation>隐性单一</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>區塊鎖定（宮）</source>
        <translation>区块锁定（宫）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>區塊鎖定（行列）</source>
        <translation>区块锁定（行列）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>顯性數對</source>
        <translation>显性数对</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>X 翼</source>
        <translation>X 翼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>隱性數對</source>
        <translation>隐性数对</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>顯性三數組</source>
        <translation>显性三数组</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>劍魚</source>
        <translation>剑鱼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>隱性三數組</source>
        <translation>隐性三数组</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>摩天樓</source>
        <translation>摩天楼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>雙線風箏</source>
        <translation>双线风筝</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>XY 翼</source>
        <translation>XY 翼</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>XYZ 翼</source>
        <translation>XYZ 翼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>W 翼</source>
        <translation>W 翼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>唯一矩形</source>
        <translation>唯一矩形</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>顯性四數組</source>
        <translation>显性四数组</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>水母</source>
        <translation>水母</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>隱性四數組</source>
        <translation>隐性四数组</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>簡單著色</source>
        <translation>简单染色</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>ALS 鏈</source>
        <translation>ALS 链</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>單格強制鏈</source>
        <translation>单格强制链</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>單位強制鏈</source>
        <translation>单位强制链</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>矛盾推理</source>
        <translation>矛盾推理</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>鰭 X 翼</source>
        <translation>鳍 X 翼</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>XY 鏈</source>
        <translation>XY 链</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>強制鏈</source>
        <translation>强制链</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+16"/>
        <source>試填</source>
        <translation>试填</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>空矩形</source>
        <translation>空矩形</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>入門</source>
        <translation>入门</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>進階</source>
        <translation>进阶</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>高階</source>
        <translation>高阶</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>唯一矩形（第二型）</source>
        <translation>唯一矩形（第二型）</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>專家</source>
        <translation>专家</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>唯一矩形（第四型）</source>
        <translation>唯一矩形（第四型）</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>隱性矩形</source>
        <translation>隐性矩形</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>全雙值墳墓 +1</source>
        <translation>全双值坟墓 +1</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>第 %1 列</source>
        <extracomment>A row of the board, counted from the top: 第 3 列</extracomment>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <location line="-51"/>
        <source>鰭劍魚</source>
        <translation>鳍剑鱼</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>第 %1 行</source>
        <extracomment>A column of the board, counted from the left: 第 5 行</extracomment>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>第 %1 宮</source>
        <extracomment>A 3×3 box, counted in reading order: 第 4 宮</extracomment>
        <translation>第 %1 宫</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>WXYZ 翼</source>
        <translation>WXYZ 翼</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>三維著色</source>
        <translation>三维着色</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>ALS-XZ</source>
        <translation>ALS-XZ</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>%1.%2（%3）</source>
        <translation>%1.%2（%3）</translation>
    </message>
    <message>
        <location line="-53"/>
        <source>ALS-XY 翼</source>
        <translation>ALS-XY 翼</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>分組鏈</source>
        <translation>分组链</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>難度 %1.%2 %3</source>
        <extracomment>A puzzle&apos;s rating (%1.%2, as 6.0) and band (%3, as 專家), on the play line and told when a generation ends.</extracomment>
        <translation>难度 %1.%2 %3</translation>
    </message>
</context>
<context>
    <name>dodoru::AboutCommand</name>
    <message>
        <location filename="../ui/main/window/aboutcommand.cpp" line="+15"/>
        <source>關於 %1…</source>
        <extracomment>The context menu command that shows the About box again (F1). %1: the program&apos;s full name.</extracomment>
        <translation>关于 %1…</translation>
    </message>
</context>
<context>
    <name>dodoru::AboutDialog</name>
    <message>
        <location filename="../ui/about/abouttexts.cpp" line="+17"/>
        <source>關於 %1</source>
        <extracomment>The About box&apos;s caption. %1: the program&apos;s full name.</extracomment>
        <translation>关于 %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>版本 %1</source>
        <extracomment>%1: the version number, such as 1.2.0.</extracomment>
        <translation>版本 %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>世界最近流行的「%1」（Dodoru）來自日文，但概念源自「拉丁方塊」，是十八世紀瑞士數學家%2發明的。</source>
        <extracomment>First paragraph of the About box. %1: the puzzle&apos;s name, %2: the mathematician&apos;s name.</extracomment>
        <translation>世界最近流行的“%1”（Dodoru）来自日文，但概念源自“拉丁方块”，是十八世纪瑞士数学家%2发明的。</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>程式可〔設定題目／自創題目／自動解答〕，還可用來產生題庫手稿。</source>
        <extracomment>Second paragraph of the About box: what the program does.</extracomment>
        <translation>程序可〔设置题目／自创题目／自动解答〕，还可用来产生题库手稿。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>尤其是當您用紙筆在玩%1玩到頭很大，還解不出來時，把題目輸入程式〔自動解答〕提供正確答案，比對解答就能知道自己哪個步驟錯誤，進而學習改進，如此就會越解功力越強。</source>
        <extracomment>Third paragraph of the About box. %1: the puzzle&apos;s name.</extracomment>
        <translation>尤其是当您用纸笔在玩%1玩到头很大，还解不出来时，把题目输入程序〔自动解答〕提供正确答案，比对解答就能知道自己哪个步骤错误，进而学习改进，如此就会越解功力越强。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>目前程式採用自由下載方式，歡迎〔媒體／報社／網站／學術等任何單位都可〕免費轉載，請將程式放置於貴伺服器提供下載，以降低網路頻寬負擔。官方下載網址：%1</source>
        <extracomment>Fourth paragraph of the About box: the program may be passed on freely. %1: the download address.</extracomment>
        <translation>目前程序采用自由下载方式，欢迎〔媒体／报社／网站／学术等任何单位都可〕免费转载，请将程序放置于贵服务器提供下载，以降低网络带宽负担。官方下载网址：%1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>如需要配合修改〔片頭廣告〕〔程式修改〕〔客製化產品〕等，亦歡迎來電 %1 %2 網頁：%3  贊助%4推廣。</source>
        <extracomment>Last paragraph of the About box: custom work on request. %1: the maker, %2: telephone number, %3: web page, %4: the puzzle&apos;s name.</extracomment>
        <translation>如需要配合修改〔片头广告〕〔程序修改〕〔定制产品〕等，亦欢迎来电 %1 %2 网页：%3  赞助%4推广。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>程式設計：%1&#x3000;%2</source>
        <extracomment>A credit line of the About box. %1: the maker, %2: e-mail address.</extracomment>
        <translation>程序设计：%1&#x3000;%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>我的網頁：%1&#x3000;%2</source>
        <extracomment>A credit line of the About box. %1: the maker, %2: web page address.</extracomment>
        <translation>我的网页：%1&#x3000;%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>關於我的應用程式</source>
        <extracomment>The About box&apos;s caption for the moment before its texts are filled in.</extracomment>
        <translation>关于我的应用程序</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>應用程式標題</source>
        <extracomment>The About box&apos;s title label before its text is filled in.</extracomment>
        <translation>应用程序标题</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>版本：</source>
        <extracomment>The About box&apos;s version label before its text is filled in.</extracomment>
        <translation>版本：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>確定</source>
        <extracomment>The button that closes the About box.</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>系統資訊(&amp;S)...</source>
        <extracomment>The button that starts the system information tool. &amp; marks the access key (Alt+S).</extracomment>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <location filename="../ui/about/aboutdialog.cpp" line="+92"/>
        <source>關閉</source>
        <extracomment>The About box&apos;s OK button, described for a screen reader (its tooltip says &quot;Close&quot;).</extracomment>
        <translation>关闭</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>系統資訊</source>
        <extracomment>The About box&apos;s system information button, described for a screen reader.</extracomment>
        <translation>系统信息</translation>
    </message>
</context>
<context>
    <name>dodoru::BoardAnnouncements</name>
    <message>
        <location filename="../ui/main/board/boardannouncements.cpp" line="+26"/>
        <source>第%1列第%2行</source>
        <extracomment>Where a cell is: row (列), column (行), from 1.</extracomment>
        <translation>第%1行第%2列</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>已解出</source>
        <extracomment>Told to a screen reader when a solve found the one solution (the window shows no message).</extracomment>
        <translation>已解出</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>，與%1重複</source>
        <extracomment>Added to a cell as told after an edit when its digit repeats the digit of other cells (、 between).</extracomment>
        <translation>，与%1重复</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1是題目的數字，不能修改</source>
        <extracomment>Told when a digit is typed over a given while playing: the cell (第1列第3行).</extracomment>
        <translation>%1是题目的数字，不能修改</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>按 %1 可修改題目</source>
        <extracomment>Told with a refused digit: what lets the player change the board (%1: the manual set-up button).</extracomment>
        <translation>按 %1 可修改题目</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>已解出的盤面不能修改，</source>
        <extracomment>Told when a digit is typed into the board a solve has filled in.</extracomment>
        <translation>已解出的盘面不能修改，</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>現在不能修改盤面，</source>
        <extracomment>Told when a digit is typed while the board takes none (after a refused clear, for example).</extracomment>
        <translation>现在不能修改盘面，</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1，不能作答</source>
        <extracomment>Told when 作答 (play) is refused: the verdict (有多組解答 …), then why nothing else happened.</extracomment>
        <translation>%1，不能作答</translation>
    </message>
    <message>
        <location line="-35"/>
        <source>已產生%1題目：提示數字%2個，空格%3個，%4</source>
        <extracomment>Told when a generation ends: level name (1.極易 …), number of givens, number of empty cells, and the puzzle&apos;s difficulty (難度 6.0 專家).</extracomment>
        <translation>已产生%1题目：提示数字%2个，空格%3个，%4</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>、</source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>dodoru::CellKeyboard</name>
    <message>
        <location filename="../ui/main/board/cellkeyboard.cpp" line="+241"/>
        <source>%1的數字</source>
        <extracomment>The digit chooser, named for the cell it edits (第2列第3行).</extracomment>
        <translation>%1的数字</translation>
    </message>
</context>
<context>
    <name>dodoru::CellLabel</name>
    <message>
        <location filename="../ui/toolkit/celllabel.cpp" line="+30"/>
        <source>空格</source>
        <extracomment>What a screen reader says of an empty cell.</extracomment>
        <translation>空格</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>第%1列第%2行，%3</source>
        <extracomment>What a screen reader says of a cell: its row and column, counted from 1 at the top left, then its digit, or 空格 when it is empty (%3).</extracomment>
        <translation>第%1行第%2列，%3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>，候選數 %1</source>
        <extracomment>Added to an empty cell&apos;s name when it holds pencil marks: the digits, separated by spaces.</extracomment>
        <translation>，候选数 %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>，題目</source>
        <extracomment>Added to a cell&apos;s name after its digit when the digit is a given of the puzzle (shown in blue). Short: a screen reader says it at every cell.</extracomment>
        <translation>，题目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>，你填的</source>
        <extracomment>Added to a cell&apos;s name after its digit when the player typed it while playing. Short.</extracomment>
        <translation>，你填的</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>，解答</source>
        <extracomment>Added to a cell&apos;s name after its digit when the program found it by solving. Short.</extracomment>
        <translation>，解答</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>，重複</source>
        <extracomment>Added to a cell&apos;s name when its digit repeats another in its row, column or 3x3 box. Short.</extracomment>
        <translation>，重复</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>，不對</source>
        <extracomment>Added to a cell&apos;s name when 檢查 (check) found that the player&apos;s digit is not the solution&apos;s. Short.</extracomment>
        <translation>，不对</translation>
    </message>
</context>
<context>
    <name>dodoru::FileErrors</name>
    <message>
        <location filename="../ui/toolkit/fileerrors.cpp" line="+13"/>
        <source>沒有存取這個檔案的權限</source>
        <translation>没有访问这个文件的权限</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>檔案或資料夾不存在</source>
        <translation>文件或文件夹不存在</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這是一個資料夾，不是檔案</source>
        <translation>这是一个文件夹，不是文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>路徑中有一段不是資料夾</source>
        <translation>路径中有一段不是文件夹</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>磁碟空間不足</source>
        <translation>磁盘空间不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>檔案所在的檔案系統是唯讀的</source>
        <translation>文件所在的文件系统是只读的</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>檔案超過了允許的大小</source>
        <translation>文件超过了允许的大小</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>讀寫裝置時發生錯誤</source>
        <translation>读写设备时发生错误</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>這是一個符號連結，但它指向的檔案不存在：%1</source>
        <extracomment>%1: the path the link points to.</extracomment>
        <translation>这是一个符号链接，但它指向的文件不存在：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>這是一個裝置，不是一般檔案</source>
        <translation>这是一个设备，不是普通文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這是一個具名管道（FIFO），不是一般檔案</source>
        <translation>这是一个命名管道（FIFO），不是普通文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這是一個通訊端（socket），不是一般檔案</source>
        <translation>这是一个套接字（socket），不是普通文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這不是一般檔案</source>
        <translation>这不是普通文件</translation>
    </message>
</context>
<context>
    <name>dodoru::HintGuide</name>
    <message>
        <location filename="../ui/main/play/hintguide.cpp" line="+19"/>
        <source>、</source>
        <extracomment>Between the items of a list (cells, digits) in a hint.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1：%2</source>
        <extracomment>A hint&apos;s heading: where the step is (a row, column, box or cell), then the technique&apos;s name.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1是 %2</source>
        <translation>%1是 %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1不是 %2</source>
        <translation>%1不是 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1之一是 %2</source>
        <extracomment>A group of cells in a chain: the digit is in one of them.</extracomment>
        <translation>%1之一是 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1都不是 %2</source>
        <extracomment>A group of cells in a chain: the digit is in none of them.</extracomment>
        <translation>%1都不是 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> ⇒ </source>
        <extracomment>Between two steps of a chain: the one before makes the one after true.</extracomment>
        <translation> ⇒ </translation>
    </message>
    <message>
        <location line="+152"/>
        <source>%1填入 %2</source>
        <extracomment>One placement of a hint carried out: the cell, then the digit.</extracomment>
        <translation>%1填入 %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>已在%1。</source>
        <extracomment>A hint carried out: its placements (each &quot;cell 填入 digit&quot;).</extracomment>
        <translation>已在%1。</translation>
    </message>
    <message>
        <location line="-148"/>
        <source>%1沒有可填的數字</source>
        <extracomment>The end of a contradiction: a cell with no digit left.</extracomment>
        <translation>%1没有可填的数字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1沒有位置可填 %2</source>
        <extracomment>The end of a contradiction: a row, column or box with no place left for a digit.</extracomment>
        <translation>%1没有位置可填 %2</translation>
    </message>
    <message>
        <location line="+153"/>
        <source>%1的 %2</source>
        <extracomment>One pencil mark removed by a hint: the cell, then the digit.</extracomment>
        <translation>%1的 %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>已從候選數刪去%1。</source>
        <translation>已从候选数删去%1。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>已從候選數刪去%1等 %n 個數字。</source>
        <translation>
            <numerusform>已从候选数删去%1等 %n 个数字。</numerusform>
        </translation>
    </message>
    <message>
        <location line="-130"/>
        <source>%1：%2。</source>
        <extracomment>A hint&apos;s second press on a chain: the heading, then the chain read in order.</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>第%1列第%2行</source>
        <extracomment>A cell: its row, then its column, counted from 1</extracomment>
        <translation>第%1行第%2列</translation>
    </message>
    <message numerus="yes">
        <location line="-105"/>
        <location line="+55"/>
        <source>再用 %n 步其他技巧</source>
        <extracomment>Inside a contradiction: steps of other techniques were needed besides single digits.</extracomment>
        <translation>
            <numerusform>再用 %n 步其他技巧</numerusform>
        </translation>
    </message>
    <message>
        <location line="-164"/>
        <source>；</source>
        <extracomment>Between the larger parts of a hint (branches of a forcing chain, almost locked sets).</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>幾乎鎖定集：%1。</source>
        <extracomment>After an ALS chain&apos;s words: the almost locked sets it passes through, each a list of cells, separated by semicolons.</extracomment>
        <translation>几乎锁定集：%1。</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>…</source>
        <extracomment>In a shortened branch of a forcing chain: singles left out before the last.</extracomment>
        <translation>…</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>（%1）假設%2</source>
        <extracomment>One branch of a forcing chain: its number (as drawn on the board), then the assumption and what follows from it, joined by arrows.</extracomment>
        <translation>（%1）假设%2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1：%2；無論哪一種，都得出%3。</source>
        <extracomment>A hint&apos;s second press on a forcing chain: the heading, the numbered branches (separated by semicolons), then what every branch leads to.</extracomment>
        <translation>%1：%2；无论哪一种，都得出%3。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>%1：假設%2%3%4，所以%5。</source>
        <extracomment>A hint&apos;s second press on a contradiction: the heading, the assumption, what follows from it in order, and then that the assumption is false.</extracomment>
        <translation>%1：假设%2%3%4，所以%5。</translation>
    </message>
    <message numerus="yes">
        <location line="+87"/>
        <source>你填的數字中有 %n 個不正確。</source>
        <translation>
            <numerusform>你填的数字中有 %n 个不正确。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>不正確的數字在%1。</source>
        <translation>不正确的数字在%1。</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>已清除 %n 個不正確的數字。</source>
        <translation>
            <numerusform>已清除 %n 个不正确的数字。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+11"/>
        <source>有 %n 格的候選數漏掉了正確的數字。</source>
        <translation>
            <numerusform>有 %n 格的候选数漏掉了正确的数字。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>候選數漏掉正確數字的格子：%1。</source>
        <translation>候选数漏掉正确数字的格子：%1。</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>已重新填入 %n 格的候選數。</source>
        <translation>
            <numerusform>已重新填入 %n 格的候选数。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>這一題已經完成了。</source>
        <translation>这一题已经完成了。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>找不到下一步。</source>
        <translation>找不到下一步。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1：假設%2，搜尋後發現此題無解，所以%3。這一步是猜測，找不到更簡單的推理。</source>
        <extracomment>A hint&apos;s second press on a guess: no reasoning found the step, only a search.</extracomment>
        <translation>%1：假设%2，搜索后发现此题无解，所以%3。这一步是猜测，找不到更简单的推理。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1，數字 %2，在標示的格子：%3。</source>
        <extracomment>A hint&apos;s second press: the heading, the digits the step is about, the cells marked on the board.</extracomment>
        <translation>%1，数字 %2，在标出的格子：%3。</translation>
    </message>
</context>
<context>
    <name>dodoru::HistoryTexts</name>
    <message>
        <location filename="../ui/main/board/boardhistory.cpp" line="+56"/>
        <location line="+54"/>
        <source>復原</source>
        <extracomment>The command that takes back the last change to the board (Ctrl+Z).
----------
The undo command with the step it takes back (%1, such as 讀入題目).</extracomment>
        <translation>撤销</translation>
    </message>
    <message>
        <location line="-50"/>
        <location line="+53"/>
        <source>重做</source>
        <extracomment>The command that makes a change taken back again (Ctrl+Shift+Z, Ctrl+Y).
----------
The redo command with the step it makes again (%1).</extracomment>
        <translation>重做</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>復原：%1</source>
        <translation>撤销：%1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>重做：%1</source>
        <translation>重做：%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>編輯第%1列第%2行</source>
        <extracomment>An undo step: typing in one cell. %1: its row, %2: its column, both counted from 1 at the top left.</extracomment>
        <translation>编辑第%1行第%2列</translation>
    </message>
    <message>
        <location filename="../ui/main/window/windowfeatures.cpp" line="+107"/>
        <source>讀入題目</source>
        <extracomment>An undo step: a puzzle read in from the clipboard, a file or a drop.</extracomment>
        <translation>读入题目</translation>
    </message>
</context>
<context>
    <name>dodoru::Levels</name>
    <message>
        <location filename="../manuscript/manuscriptpuzzle.cpp" line="+20"/>
        <source>1.極易</source>
        <extracomment>The levels of generated puzzles, 1 the easiest and 5 the hardest, as their generate buttons and a sheet of puzzles show them; keep them short: a button is narrow.</extracomment>
        <translation>1.极易</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.容易</source>
        <translation>2.容易</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.中等</source>
        <translation>3.中等</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.困難</source>
        <translation>4.困难</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.極難</source>
        <translation>5.极难</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>自訂</source>
        <extracomment>The level shown for a puzzle of one&apos;s own, not made by the generator, on a sheet of puzzles.</extracomment>
        <translation>自定</translation>
    </message>
</context>
<context>
    <name>dodoru::LogTexts</name>
    <message>
        <location filename="../ui/main/window/logfailuretext.cpp" line="+19"/>
        <source>這是一個符號連結，但它指向的檔案不存在</source>
        <translation>这是一个符号链接，但它指向的文件不存在</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>紀錄無法以 Big5 編碼寫入</source>
        <extracomment>The puzzle log is written in the Big5 code page, which could not encode a record.</extracomment>
        <translation>记录无法以 Big5 编码写入</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>題目已產生，但無法寫入題目紀錄檔 out.txt。
%1</source>
        <extracomment>%1: why the puzzle log out.txt cannot be written.</extracomment>
        <translation>题目已产生，但无法写入题目记录文件 out.txt。
%1</translation>
    </message>
</context>
<context>
    <name>dodoru::MainWindow</name>
    <message>
        <location filename="../ui/main/board/boardannouncements.cpp" line="-63"/>
        <location filename="../ui/main/window/layout.h" line="+49"/>
        <source>0.手動</source>
        <extracomment>The button of manual set-up mode, in which every digit entered is a given. At most 80 pixels wide.</extracomment>
        <translation>0.手动</translation>
    </message>
    <message>
        <location filename="../ui/main/window/layout.h" line="+2"/>
        <source>自動解題</source>
        <extracomment>The button that solves the board. At most 150 pixels wide.</extracomment>
        <translation>自动解题</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>清除重來</source>
        <extracomment>The button that clears the board and starts again. At most 150 pixels wide.</extracomment>
        <translation>清除重来</translation>
    </message>
    <message>
        <location filename="../ui/main/window/mainwindow.cpp" line="+173"/>
        <source>〔自創題目〕只需要(解出的答案)上面任意清除幾個數字(=0),就能夠拿來當手稿</source>
        <extracomment>The hint line at the top of the window: to make a puzzle of your own, clear a few digits (=0) of a solved board and use it as a puzzle sheet. One line of 552 pixels at most.</extracomment>
        <translation>〔自创题目〕只需要(解出的答案)上面任意清除几个数字(=0),就能够拿来当手稿</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>列印</source>
        <extracomment>The print button&apos;s name for a screen reader (it shows only a picture).</extracomment>
        <translation>打印</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>選 1 到 9 填入這一格，0 清除。</source>
        <extracomment>The digit chooser&apos;s description for a screen reader: one short sentence.</extracomment>
        <translation>选 1 到 9 填入这一格，0 清除。</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>自己輸入題目</source>
        <extracomment>A command button&apos;s description for a screen reader (0.手動): the words of its English tooltip.</extracomment>
        <translation>自己输入题目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>解出盤面上的題目</source>
        <extracomment>A command button&apos;s description for a screen reader (自動解題).</extracomment>
        <translation>解出盘面上的题目</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>清除所有數字，重新開始</source>
        <extracomment>A command button&apos;s description for a screen reader (清除重來).</extracomment>
        <translation>清除所有数字，重新开始</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>列印視窗</source>
        <extracomment>A command button&apos;s description for a screen reader (the print button).</extracomment>
        <translation>打印窗口</translation>
    </message>
    <message>
        <location filename="../ui/main/board/verdicttext.cpp" line="+13"/>
        <source>此題無解</source>
        <extracomment>A verdict shown in very large letters across the board: the puzzle has no solution. At most 480 pixels wide at 72 points: keep it short.</extracomment>
        <translation>此题无解</translation>
    </message>
    <message>
        <location filename="../ui/main/window/mainwindow.cpp" line="+4"/>
        <source>自動出一題這個等級的題目</source>
        <extracomment>A level button&apos;s description for a screen reader (1.極易 … 5.極難).</extracomment>
        <translation>自动出一道这个等级的题目</translation>
    </message>
    <message>
        <location filename="../ui/main/board/verdicttext.cpp" line="+4"/>
        <source>有多組解答</source>
        <extracomment>A verdict shown in very large letters across the board: the puzzle has more than one solution. At most 480 pixels wide at 72 points: keep it short.</extracomment>
        <translation>有多组解答</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>題目錯誤</source>
        <extracomment>A verdict shown in very large letters across the board: an empty cell can take no digit. At most 480 pixels wide at 72 points: keep it short.</extracomment>
        <translation>题目错误</translation>
    </message>
    <message>
        <location filename="../ui/main/window/mainwindow.cpp" line="+200"/>
        <source>警告!請確定您是否要清除掉題目?</source>
        <extracomment>Asked before the clear button empties the board.</extracomment>
        <translation>警告!请确定您是否要清除掉题目?</translation>
    </message>
    <message>
        <location line="-134"/>
        <source>空格%1</source>
        <extracomment>The small count at the top right after a generation: the number of empty cells of the new puzzle (%1).</extracomment>
        <translation>空格%1</translation>
    </message>
</context>
<context>
    <name>dodoru::Manuscript</name>
    <message>
        <location filename="../manuscript/manuscriptpainter.cpp" line="+34"/>
        <source>無法寫入「%1」：%2</source>
        <extracomment>The sheet could not be saved. %1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>第 %1 題</source>
        <extracomment>A puzzle&apos;s number on a sheet of puzzles and on its answer.</extracomment>
        <translation>第 %1 题</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%1&#x3000;提示 %n</source>
        <extracomment>A puzzle&apos;s level (%1, such as 1.極易) and its number of givens (%n), beside its grid on a sheet.</extracomment>
        <translation>
            <numerusform>%1&#x3000;提示 %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>評分 %1.%2</source>
        <extracomment>The caption&apos;s rating of a puzzle&apos;s difficulty by the logical solver, e.g. 評分 4.4</extracomment>
        <translation>评分 %1.%2</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>解答</source>
        <extracomment>The heading of the answer pages of a sheet without a title.</extracomment>
        <translation>解答</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&#x3000;解答</source>
        <extracomment>The heading of the answer pages of a sheet: its title (%1) and the word for the answers.</extracomment>
        <translation>%1&#x3000;解答</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>手稿中沒有任何題目。</source>
        <translation>手稿中没有任何题目。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>無法開始輸出手稿（輸出裝置無法使用）。</source>
        <translation>无法开始输出手稿（输出设备无法使用）。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>無法在輸出裝置上開始新的一頁。</source>
        <translation>无法在输出设备上开始新的一页。</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>第 %1 頁 / 共 %2 頁</source>
        <extracomment>The footer of every page of a sheet: this page&apos;s number and the number of pages.</extracomment>
        <translation>第 %1 页 / 共 %2 页</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>輸出手稿時發生錯誤。</source>
        <translation>输出手稿时发生错误。</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>這不是一般檔案</source>
        <translation>这不是普通文件</translation>
    </message>
</context>
<context>
    <name>dodoru::ManuscriptCommand</name>
    <message>
        <location filename="../ui/main/printing/manuscriptcommand.cpp" line="+35"/>
        <source>列印手稿</source>
        <extracomment>The caption of the print dialog of a sheet of puzzles.</extracomment>
        <translation>打印手稿</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+86"/>
        <source>無法寫入「%1」：</source>
        <translation>无法写入“%1”：</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>印製手稿…</source>
        <extracomment>The context menu command that makes a sheet of puzzles with their answers (Ctrl+P).</extracomment>
        <translation>打印手稿…</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>盤面上沒有題目（藍色的數字），無法列為第 1 題。</source>
        <translation>盘面上没有题目（蓝色的数字），无法列为第 1 题。</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>盤面上的題目有多組解答，不能當作手稿的題目。
請再加上幾個數字，讓它只有一組解答。</source>
        <translation>盘面上的题目有多组解答，不能当作手稿的题目。
请再加上几个数字，让它只有一组解答。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>盤面上的題目無解，不能當作手稿的題目。</source>
        <translation>盘面上的题目无解，不能当作手稿的题目。</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>正在產生手稿的題目…</source>
        <translation>正在产生手稿的题目…</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>印製手稿</source>
        <translation>打印手稿</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>手稿的題目沒有全部記錄到記錄檔：%1</source>
        <extracomment>%1: why the puzzle log could not be written.</extracomment>
        <translation>手稿的题目没有全部记录到记录文件：%1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Dodoru 手稿</source>
        <extracomment>The name of an untitled sheet in the printer&apos;s queue.</extracomment>
        <translation>Dodoru 手稿</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>無法列印手稿。
%1</source>
        <extracomment>%1: why the sheet could not be printed.</extracomment>
        <translation>无法打印手稿。
%1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>手稿已儲存到「%1」。
要現在開啟它嗎？</source>
        <extracomment>%1: the PDF file the sheet was saved in.</extracomment>
        <translation>手稿已保存到“%1”。
要现在打开它吗？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>找不到可以開啟 PDF 檔案的程式。</source>
        <translation>找不到可以打开 PDF 文件的程序。</translation>
    </message>
</context>
<context>
    <name>dodoru::ManuscriptDialog</name>
    <message>
        <location filename="../ui/main/printing/manuscriptdialog.cpp" line="+28"/>
        <source>印製手稿</source>
        <extracomment>The caption of the dialog that makes a sheet of puzzles with their answers (a manuscript).</extracomment>
        <translation>打印手稿</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>單一等級</source>
        <extracomment>The sheet&apos;s puzzles: all of one level (chosen beside it) ...</extracomment>
        <translation>单一等级</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>混合</source>
        <extracomment>... or of several levels mixed, given as a list such as 2,2,3,3,4.</extracomment>
        <translation>混合</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>例如 2,2,3,3,4</source>
        <extracomment>Shown in the empty field of the mixed levels.</extracomment>
        <translation>例如 2,2,3,3,4</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>等級 1 到 5，以逗號分隔，依序分配到各題</source>
        <extracomment>The mixed levels field described for a screen reader (its tooltip stays English).</extracomment>
        <translation>等级 1 到 5，以逗号分隔，依次分配到各题</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>等級：</source>
        <extracomment>The rows of the sheet dialog: levels, number of puzzles, puzzles per page, paper, title, seed, output.</extracomment>
        <translation>等级：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>題數：</source>
        <translation>题数：</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>要產生的題數（1 到 1000）</source>
        <extracomment>The number of puzzles described for a screen reader (its tooltip stays English).</extracomment>
        <translation>要生成的题数（1 到 1000）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>每頁題數：</source>
        <translation>每页题数：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>紙張：</source>
        <translation>纸张：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>最後附上解答</source>
        <extracomment>Whether answer pages follow the puzzles.</extracomment>
        <translation>最后附上解答</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>每題註明難度評分</source>
        <translation>每题注明难度评分</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>標題：</source>
        <translation>标题：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>空白表示隨機</source>
        <extracomment>Shown in the empty seed field: an empty seed gives random puzzles.</extracomment>
        <translation>空白表示随机</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>種子：</source>
        <translation>种子：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>把盤面上的題目列為第 1 題</source>
        <extracomment>Whether the puzzle on the board becomes the sheet&apos;s first puzzle.</extracomment>
        <translation>把盘面上的题目列为第 1 题</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>PDF 檔案</source>
        <translation>PDF 文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>瀏覽…</source>
        <extracomment>Chooses the PDF file.</extracomment>
        <translation>浏览…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>印表機</source>
        <translation>打印机</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>輸出到：</source>
        <translation>输出到：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>開始</source>
        <extracomment>The button that makes the sheet.</extracomment>
        <translation>开始</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>混合的等級要寫成以逗號分開的 1 到 5，例如 2,2,3,3,4。</source>
        <translation>混合的等级要写成以逗号分开的 1 到 5，例如 2,2,3,3,4。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>種子必須是 0 到 18446744073709551615 之間的整數。</source>
        <translation>种子必须是 0 到 18446744073709551615 之间的整数。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>請選擇要儲存手稿的 PDF 檔案。</source>
        <translation>请选择要保存手稿的 PDF 文件。</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>手稿.pdf</source>
        <extracomment>The file name a sheet of puzzles is offered under.</extracomment>
        <translation>手稿.pdf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>儲存手稿</source>
        <extracomment>The caption of the file dialog that chooses the sheet&apos;s PDF file.</extracomment>
        <translation>保存手稿</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF 文件 (*.pdf)</source>
        <extracomment>The file dialog&apos;s filter; keep (*.pdf) as it is.</extracomment>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>dodoru::MessageBoxes</name>
    <message>
        <location filename="../ui/toolkit/messageboxes.cpp" line="+33"/>
        <source>覆寫</source>
        <extracomment>A button of the question whether to replace a file that could not be read: write over it.</extracomment>
        <translation>覆盖</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>保留原檔</source>
        <extracomment>A button of the question whether to replace a file that could not be read: keep it as it is.</extracomment>
        <translation>保留原文件</translation>
    </message>
</context>
<context>
    <name>dodoru::PhotoReviewDialog</name>
    <message>
        <location filename="../ui/main/transfer/photoreviewdialog.cpp" line="+25"/>
        <source>唯一解</source>
        <extracomment>The verdict of the puzzle read from a photo, as corrected so far.</extracomment>
        <translation>唯一解</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>有多組解答</source>
        <translation>有多组解答</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>此題無解</source>
        <translation>此题无解</translation>
    </message>
    <message>
        <location line="+124"/>
        <source>核對照片中的題目</source>
        <extracomment>The caption of the dialog that shows a puzzle read from a photo, to check before it is set up.</extracomment>
        <translation>核对照片中的题目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>照片中的格子</source>
        <extracomment>What a screen reader says of the straightened photo in the dialog.</extracomment>
        <translation>照片中的格子</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>讀出的題目</source>
        <translation>读出的题目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>清除</source>
        <extracomment>The button that clears the selected cell of the puzzle read from a photo.</extracomment>
        <translation>清除</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>方向鍵移動，1～9 填入數字，0 或 Delete 清除；標有「?」的格子可能讀錯了。
Enter 放上盤面，Esc 取消。</source>
        <extracomment>How to correct the puzzle read from a photo.</extracomment>
        <translation>方向键移动，1～9 填入数字，0 或 Delete 清除；标有“?”的格子可能读错了。
Enter 放上盘面，Esc 取消。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>放上盤面</source>
        <extracomment>The button that sets up the puzzle read from a photo on the board.</extracomment>
        <translation>放上盘面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>取消</source>
        <translation>取消</translation>
    </message>
    <message numerus="yes">
        <location line="+33"/>
        <source>%n 格可能讀錯；%1</source>
        <extracomment>The status of the puzzle read from a photo: %n cells may be read wrong; %1 the verdict of the puzzle as it stands.</extracomment>
        <translation>
            <numerusform>%n 格可能读错；%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dodoru::PhotoTexts</name>
    <message>
        <location filename="../ui/main/transfer/photoimport.cpp" line="+27"/>
        <source>這不是讀得出的圖片（只讀 JPEG、PNG 和 BMP）。</source>
        <extracomment>An image that could not be read as a puzzle photo.</extracomment>
        <translation>这不是读得出的图片（只读 JPEG、PNG 和 BMP）。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>圖片太大：最多讀 %1 百萬像素。</source>
        <extracomment>%1: the most pixels a photo may have, in millions.</extracomment>
        <translation>图片太大：最多读 %1 百万像素。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>圖片資料不完整，檔案可能被截斷了。</source>
        <translation>图片数据不完整，文件可能被截断了。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>圖片中找不到題目的格子。</source>
        <translation>图片中找不到题目的格子。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>題目的格子超出了圖片的邊緣：請拍下整個格子。</source>
        <translation>题目的格子超出了图片的边缘：请拍下整个格子。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>讀不出這張圖片。</source>
        <translation>读不出这张图片。</translation>
    </message>
</context>
<context>
    <name>dodoru::PlayFile</name>
    <message>
        <location filename="../ui/main/files/playfile.cpp" line="+117"/>
        <source>檔案的內容不是遊戲進度。</source>
        <translation>文件的内容不是游戏进度。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>無法讀取檔案：</source>
        <translation>无法读取文件：</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>無法寫入檔案：</source>
        <translation>无法写入文件：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>無法刪除檔案：</source>
        <translation>无法删除文件：</translation>
    </message>
</context>
<context>
    <name>dodoru::PlayGame</name>
    <message>
        <location filename="../ui/main/play/playgame.cpp" line="+83"/>
        <location line="+91"/>
        <source>作答</source>
        <extracomment>Context-menu command: start playing the puzzle on the board (answer it yourself).</extracomment>
        <translation>作答</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+199"/>
        <source>提示</source>
        <extracomment>Context-menu command: a hint for the next step while playing.</extracomment>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-196"/>
        <source>檢查</source>
        <extracomment>Context-menu command: mark the player&apos;s digits that differ from the solution.</extracomment>
        <translation>检查</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+225"/>
        <source>填入候選數</source>
        <extracomment>Context-menu command: fill every empty cell with the pencil marks still possible there.</extracomment>
        <translation>填入候选数</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>這一題已經完成了。</source>
        <translation>这一题已经完成了。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>作答中：1–9 填入數字，0 清除，Ctrl+1–9 候選數，H 提示，Ctrl+K 檢查。</source>
        <translation>作答中：1–9 填入数字，0 清除，Ctrl+1–9 候选数，H 提示，Ctrl+K 检查。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>恭喜！這一題完成了，用時 %1。</source>
        <translation>恭喜！这一题完成了，用时 %1。</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>沒有與答案不符的數字。</source>
        <translation>没有与答案不符的数字。</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>有 %n 個數字與答案不符，已用紅框標出。</source>
        <translation>
            <numerusform>有 %n 个数字与答案不符，已用红框标出。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+68"/>
        <source>用時 %1</source>
        <translation>用时 %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>無法讀取遊戲進度檔：
%1

這個檔案會原封不動地保留，這次的遊戲進度不會存進這個檔案。</source>
        <translation>无法读取游戏进度文件：
%1

这个文件会原封不动地保留，这次的游戏进度不会存进这个文件。</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>上次沒有正常結束；遊戲進度已經找回來了。</source>
        <extracomment>The play line at start-up when the last run ended without closing (killed, a crash, a power loss) and the game it was playing has been brought back.</extracomment>
        <translation>上次没有正常结束；游戏进度已经找回来了。</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>無法儲存遊戲進度：
%1</source>
        <translation>无法保存游戏进度：
%1</translation>
    </message>
</context>
<context>
    <name>dodoru::PrintTexts</name>
    <message>
        <location filename="../ui/main/printing/printerfactory.cpp" line="+15"/>
        <source>系統中沒有設定任何印表機。</source>
        <extracomment>Why the window cannot be printed.</extracomment>
        <translation>系统中没有设置任何打印机。</translation>
    </message>
    <message>
        <location filename="../ui/main/printing/windowprinter.cpp" line="+69"/>
        <source>注意!請問您是否要列印本題目?</source>
        <extracomment>Asked before the print button prints the window.</extracomment>
        <translation>注意!请问您是否要打印本题目?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>無法擷取視窗的畫面，所以無法列印。</source>
        <translation>无法截取窗口的画面，所以无法打印。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>找不到印表機，無法列印。
%1</source>
        <extracomment>%1: why no printer can be used, such as 系統中沒有設定任何印表機。</extracomment>
        <translation>找不到打印机，无法打印。
%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>無法列印：印表機「%1」無法開始列印。
請檢查印表機是否已連接並可以使用。</source>
        <extracomment>%1: the printer&apos;s name.</extracomment>
        <translation>无法打印：打印机“%1”无法开始打印。
请检查打印机是否已连接并可以使用。</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>列印時發生錯誤，這一頁沒有印出。</source>
        <translation>打印时发生错误，这一页没有印出。</translation>
    </message>
</context>
<context>
    <name>dodoru::SaveFileTexts</name>
    <message>
        <location filename="../ui/main/files/boardfilekeeper.cpp" line="+21"/>
        <source>題目.txt</source>
        <extracomment>The file name a saved puzzle is offered under.</extracomment>
        <translation>题目.txt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>題目檔 (*.txt);;所有檔案 (*)</source>
        <extracomment>The file dialog&apos;s filter for puzzle files; keep (*.txt) and (*) as they are.</extracomment>
        <translation>题目文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>另存題目</source>
        <extracomment>The caption of the file dialog that saves the puzzle.</extracomment>
        <translation>另存题目</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>無法讀取題目存檔：
%1

程式將以空白的盤面開始。</source>
        <extracomment>At start-up. %1: why the save file (the givens of the last run) cannot be read.</extracomment>
        <translation>无法读取题目存档：
%1

程序将以空白的盘面开始。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>題目存檔無法寫入：
%1

題目已經載入，但關閉程式時，盤面上的題目無法保存到這個檔案。</source>
        <extracomment>At start-up. %1: why the save file cannot be written.</extracomment>
        <translation>题目存档无法写入：
%1

题目已经加载，但关闭程序时，盘面上的题目无法保存到这个文件。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>程式啟動時無法讀取題目存檔：
%1

要用目前盤面上的題目覆寫這個檔案嗎？
選「保留原檔」，檔案會原封不動地保留，這次盤面上的題目則不會被保存。</source>
        <extracomment>At the close, about a save file that could not be read at start-up (%1: its path). 「保留原檔」 is the button that keeps it: use the same words as that button.</extracomment>
        <translation>程序启动时无法读取题目存档：
%1

要用目前盘面上的题目覆盖这个文件吗？
选“保留原文件”，文件会原封不动地保留，这次盘面上的题目则不会被保存。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>無法儲存題目存檔：
%1

要把盤面上的題目另存到其他檔案嗎？
選「否」，這次盤面上的題目就不會被保存，程式即將結束。</source>
        <extracomment>At the close. %1: why the save file cannot be written. 「否」 is the No button of Qt&apos;s message box.</extracomment>
        <translation>无法保存题目存档：
%1

要把盘面上的题目另存到其他文件吗？
选“否”，这次盘面上的题目就不会被保存，程序即将结束。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>無法刪除題目存檔：
%1

盤面已清除；下次關閉程式時存檔會被覆寫。</source>
        <extracomment>After the clear button. %1: why the save file cannot be deleted.</extracomment>
        <translation>无法删除题目存档：
%1

盘面已清除；下次关闭程序时存档会被覆盖。</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>無法儲存題目到：
%1
%2</source>
        <extracomment>%1: the file the puzzle was to be saved in, %2: why it could not.</extracomment>
        <translation>无法保存题目到：
%1
%2</translation>
    </message>
</context>
<context>
    <name>dodoru::SaveReasons</name>
    <message>
        <location filename="../ui/main/files/savefile.cpp" line="+26"/>
        <source>無法開啟檔案：%1</source>
        <extracomment>Why the save file cannot be used. %1: the system&apos;s reason.</extracomment>
        <translation>无法打开文件：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>無法讀取檔案：%1</source>
        <extracomment>Why the save file cannot be used. %1: the system&apos;s reason.</extracomment>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>無法建立檔案：%1</source>
        <extracomment>Why the save file cannot be used. %1: the system&apos;s reason.</extracomment>
        <translation>无法创建文件：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>無法寫入檔案：%1</source>
        <extracomment>Why the save file cannot be used. %1: the system&apos;s reason.</extracomment>
        <translation>无法写入文件：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>無法讀取原有的檔案：%1</source>
        <extracomment>Why the save file cannot be used. %1: the system&apos;s reason.</extracomment>
        <translation>无法读取原有的文件：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>無法刪除檔案：%1</source>
        <extracomment>Why the save file cannot be used. %1: the system&apos;s reason.</extracomment>
        <translation>无法删除文件：%1</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>無法在檔案所在的資料夾 %1 建立新檔案：%2</source>
        <extracomment>Why the save file cannot be saved. %1: its folder, %2: the system&apos;s reason.</extracomment>
        <translation>无法在文件所在的文件夹 %1 创建新文件：%2</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>無法讀取原有的檔案：檔案在讀取時改變了</source>
        <extracomment>Why the save file cannot be saved: the file changed while it was read.</extracomment>
        <translation>无法读取原有的文件：文件在读取时改变了</translation>
    </message>
</context>
<context>
    <name>dodoru::SystemInfoLauncher</name>
    <message>
        <location filename="../ui/about/sysinfo.cpp" line="+32"/>
        <source>目前無法提供系統資訊</source>
        <extracomment>Shown when the system information tool cannot be found or started.</extracomment>
        <translation>目前无法提供系统信息</translation>
    </message>
</context>
<context>
    <name>dodoru::TechniqueLevelCommand</name>
    <message>
        <location filename="../ui/main/play/techniquelevelcommand.cpp" line="+20"/>
        <source>難度依解題技巧</source>
        <extracomment>Context-menu command (checkable): the level buttons make puzzles whose difficulty is measured by the solving techniques they need.</extracomment>
        <translation>难度依解题技巧</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>正在依解題技巧產生題目…（Esc 取消）</source>
        <extracomment>The play line while a puzzle is being made by solving technique.</extracomment>
        <translation>正在依解题技巧产生题目…（Esc 取消）</translation>
    </message>
</context>
<context>
    <name>dodoru::TransferTexts</name>
    <message>
        <location filename="../ui/main/transfer/puzzletransfer.cpp" line="+40"/>
        <source>題目檔 (*.txt *.sdk);;所有檔案 (*)</source>
        <extracomment>The file dialogs&apos; filter for puzzle files; keep the patterns in brackets as they are.</extracomment>
        <translation>题目文件 (*.txt *.sdk);;所有文件 (*)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>開啟題目檔</source>
        <extracomment>The caption of the file dialog that opens a puzzle file.</extracomment>
        <translation>打开题目文件</translation>
    </message>
    <message>
        <location line="-4"/>
        <source>題目的照片 (*.jpg *.jpeg *.png *.bmp)</source>
        <extracomment>The open dialog&apos;s filter for photos and scans of a puzzle; keep the patterns in brackets as they are.</extracomment>
        <translation>题目的照片 (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>另存題目</source>
        <extracomment>The caption of the file dialog that saves the puzzle.</extracomment>
        <translation>另存题目</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>題目.txt</source>
        <extracomment>The file name a saved puzzle is offered under.</extracomment>
        <translation>题目.txt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>無法貼上題目。</source>
        <extracomment>The heading of a message: the clipboard held no puzzle; the reason follows.</extracomment>
        <translation>无法粘贴题目。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>無法讀入拖放的題目。</source>
        <extracomment>The heading of a message: what was dropped on the window held no puzzle; the reason follows.</extracomment>
        <translation>无法读入拖放的题目。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>無法開啟題目檔「%1」。</source>
        <extracomment>The heading of a message: a puzzle file (%1) could not be read; the reason follows.</extracomment>
        <translation>无法打开题目文件“%1”。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>無法儲存題目檔「%1」。</source>
        <extracomment>The heading of a message: the puzzle could not be saved in %1; the reason follows.</extracomment>
        <translation>无法保存题目文件“%1”。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>第 %1 行第 %2 個字元「%3」不是題目的格子（格子只能是 1～9、0 或 .）。</source>
        <extracomment>Text that is not a puzzle: %1 the line, %2 the character&apos;s place in it, %3 the character.</extracomment>
        <translation>第 %1 行第 %2 个字符“%3”不是题目的格子（格子只能是 1～9、0 或 .）。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>第 %1 行第 %2 個字元：這一行在題目的第 81 格之後還有格子。</source>
        <extracomment>Text that is not a puzzle: %1 the line, %2 the character&apos;s place in it.</extracomment>
        <translation>第 %1 行第 %2 个字符：这一行在题目的第 81 格之后还有格子。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>第 %1 行開始的題目只有 %2 格，題目需要剛好 81 格。</source>
        <extracomment>Text that is not a puzzle: %1 the line the puzzle starts on, %2 its number of cells.</extracomment>
        <translation>第 %1 行开始的题目只有 %2 格，题目需要刚好 81 格。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>題目有 %1 格，需要剛好 81 格。</source>
        <extracomment>Text that is not a puzzle: %1 its number of cells.</extracomment>
        <translation>题目有 %1 格，需要刚好 81 格。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>沒有找到題目：題目是 81 格，1～9 為題目的數字，0 或 . 為空格。</source>
        <translation>没有找到题目：题目是 81 格，1～9 为题目的数字，0 或 . 为空格。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>內容太大（%1 MB），不是題目；題目檔最多 %2 MB。</source>
        <extracomment>%1: the size of what was read, %2: the largest puzzle file read, both in megabytes.</extracomment>
        <translation>内容太大（%1 MB），不是题目；题目文件最多 %2 MB。</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>複製題目(&amp;C)</source>
        <extracomment>Context menu commands; &amp; marks the access key.</extracomment>
        <translation>复制题目(&amp;C)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>複製題目與答案(&amp;A)</source>
        <translation>复制题目与答案(&amp;A)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>貼上題目(&amp;P)</source>
        <translation>粘贴题目(&amp;P)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>開啟題目檔(&amp;O)…</source>
        <translation>打开题目文件(&amp;O)…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>另存題目(&amp;S)…</source>
        <translation>另存题目(&amp;S)…</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>沒有文字可以讀成題目。</source>
        <translation>没有文本可以读成题目。</translation>
    </message>
    <message>
        <location line="-102"/>
        <source>這是資料夾，不是題目檔。</source>
        <extracomment>A folder was opened or dropped where a puzzle file was expected.</extracomment>
        <translation>这是文件夹，不是题目文件。</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>這不是文字，讀不出題目。</source>
        <extracomment>What was pasted, dropped or opened holds bytes that are not text.</extracomment>
        <translation>这不是文本，读不出题目。</translation>
    </message>
    <message>
        <location line="+173"/>
        <source>第 %1 題&#x3000;提示數 %2</source>
        <extracomment>An entry of the list a puzzle is picked from: its number (%1) and its number of givens (%2).</extracomment>
        <translation>第 %1 题&#x3000;提示数 %2</translation>
    </message>
    <message>
        <location filename="../ui/main/transfer/transferplatform.cpp" line="+53"/>
        <source>選擇題目</source>
        <extracomment>The caption of the list a puzzle is picked from, when a file holds several.</extracomment>
        <translation>选择题目</translation>
    </message>
</context>
<context>
    <name>dodoru::WebLink</name>
    <message>
        <location filename="../ui/about/weblink.cpp" line="+63"/>
        <source>無法開啟網頁瀏覽器。
請自行在瀏覽器中前往 %1</source>
        <extracomment>%1: the web page&apos;s address, for the user to type into a browser.</extracomment>
        <translation>无法打开网页浏览器。
请自行在浏览器中前往 %1</translation>
    </message>
</context>
<context>
    <name>dodoru::WindowContextMenu</name>
    <message>
        <location filename="../ui/main/window/contextmenu.cpp" line="+49"/>
        <source>視窗指令</source>
        <extracomment>The context menu&apos;s name for a screen reader.</extracomment>
        <translation>窗口命令</translation>
    </message>
</context>
<context>
    <name>dodoru::app</name>
    <message>
        <location filename="../ui/toolkit/appinfo.h" line="+23"/>
        <source>數字方陣</source>
        <extracomment>The product&apos;s name after the word &quot;Dodoru&quot;: the name of the 9x9 number-placement puzzle.</extracomment>
        <translation>数字方阵</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>歐拉</source>
        <extracomment>The Swiss mathematician who studied Latin squares (Leonhard Euler), as the language writes his name.</extracomment>
        <translation>欧拉</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dodoru數字方陣</source>
        <extracomment>The program&apos;s full name: &quot;Dodoru&quot; and the puzzle&apos;s name. The title of message boxes and the About box.</extracomment>
        <translation>Dodoru数字方阵</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dodoru - %1 (設計:%2 %3  %4 )</source>
        <extracomment>The main window&apos;s caption. %1: the puzzle&apos;s name, %2: the maker, %3: e-mail address, %4: web page.</extracomment>
        <translation>Dodoru - %1 (设计:%2 %3  %4 )</translation>
    </message>
</context>
</TS>
