<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_TW">
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
        <location line="+9"/>
        <source>世界最近流行的「%1」（Dodoru）來自日文，但概念源自「拉丁方塊」，是十八世紀瑞士數學家%2發明的。</source>
        <extracomment>First paragraph of the About box. %1: the puzzle&apos;s name, %2: the mathematician&apos;s name.</extracomment>
        <translation>世界最近流行的“%1”（Dodoru）来自日文，但概念源自“拉丁方块”，是十八世纪瑞士数学家%2发明的。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>程式可〔設定題目／自創題目／自動解答〕，還可用來產生題庫手稿。</source>
        <extracomment>Second paragraph of the About box: what the program does.</extracomment>
        <translation>程序可〔设置题目／自创题目／自动解答〕，还可用来产生题库手稿。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>尤其是當您用紙筆在玩%1玩到頭很大，還解不出來時，把題目輸入程式〔自動解答〕提供正確答案，比對解答就能知道自己哪個步驟錯誤，進而學習改進，如此就會越解功力越強。</source>
        <extracomment>Third paragraph of the About box. %1: the puzzle&apos;s name.</extracomment>
        <translation>尤其是当您用纸笔在玩%1玩到头很大，还解不出来时，把题目输入程序〔自动解答〕提供正确答案，比对解答就能知道自己哪个步骤错误，进而学习改进，如此就会越解功力越强。</translation>
    </message>
    <message>
        <location line="+6"/>
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
</context>
<context>
    <name>dodoru::CellLabel</name>
    <message>
        <location filename="../ui/toolkit/celllabel.cpp" line="+18"/>
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
        <source>尚未填入數字</source>
        <extracomment>A screen reader&apos;s description of an empty cell.</extracomment>
        <translation>尚未填入数字</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>題目給定的數字</source>
        <extracomment>A screen reader&apos;s description of a cell holding a digit of the puzzle (a given, shown in blue).</extracomment>
        <translation>题目给定的数字</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>程式解出的數字</source>
        <extracomment>A screen reader&apos;s description of a cell whose digit the program found by solving.</extracomment>
        <translation>程序解出的数字</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>；與同列、同行或同一九宮格的題目數字重複</source>
        <extracomment>Added to a cell&apos;s description when its digit repeats a given in its row, column or 3x3 box.</extracomment>
        <translation>；与同行、同列或同一九宫格的题目数字重复</translation>
    </message>
</context>
<context>
    <name>dodoru::FileErrors</name>
    <message>
        <location filename="../ui/toolkit/fileerrors.cpp" line="+14"/>
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
        <location line="+41"/>
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
    <name>dodoru::Level</name>
    <message>
        <location filename="../manuscript/manuscriptpuzzle.cpp" line="+18"/>
        <source>1.極易</source>
        <extracomment>The levels of generated puzzles, 1 the easiest and 5 the hardest, as their generate buttons and a sheet of puzzles show them; keep them short: a button is narrow.</extracomment>
        <translation>1.极易</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2.容易</source>
        <translation>2.容易</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.中等</source>
        <translation>3.中等</translation>
    </message>
    <message>
        <location line="+0"/>
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
        <extracomment>The level shown for a puzzle of one&apos;s own (not generated) on a sheet of puzzles.</extracomment>
        <translation>自定</translation>
    </message>
</context>
<context>
    <name>dodoru::Manuscript</name>
    <message>
        <location filename="../manuscript/manuscriptpainter.cpp" line="+33"/>
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
        <location line="+4"/>
        <source>%1&#x3000;提示 %n</source>
        <extracomment>A puzzle&apos;s level (%1, such as 1.極易) and its number of givens (%n), beside its grid on a sheet.</extracomment>
        <translation>
            <numerusform>%1&#x3000;提示 %n</numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
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
        <location line="+7"/>
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
    <name>dodoru::SystemInfoLauncher</name>
    <message>
        <location filename="../ui/about/sysinfo.cpp" line="+32"/>
        <source>目前無法提供系統資訊</source>
        <extracomment>Shown when the system information tool cannot be found or started.</extracomment>
        <translation>目前无法提供系统信息</translation>
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
