<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_TW">
<context>
    <name>dodoru::AboutDialog</name>
    <message>
        <location filename="../ui/about/abouttexts.cpp" line="+17"/>
        <source>關於 %1</source>
        <extracomment>The About box&apos;s caption. %1: the program&apos;s full name.</extracomment>
        <translation>About %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>版本 %1</source>
        <extracomment>%1: the version number, such as 1.2.0.</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>世界最近流行的「%1」（Dodoru）來自日文，但概念源自「拉丁方塊」，是十八世紀瑞士數學家%2發明的。</source>
        <extracomment>First paragraph of the About box. %1: the puzzle&apos;s name, %2: the mathematician&apos;s name.</extracomment>
        <translation>The %1 (Dodoru), popular all over the world, takes its name from Japanese, but its idea comes from the Latin squares of the 18th-century Swiss mathematician %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>程式可〔設定題目／自創題目／自動解答〕，還可用來產生題庫手稿。</source>
        <extracomment>Second paragraph of the About box: what the program does.</extracomment>
        <translation>The program sets up puzzles, lets you make your own and solves them, and makes sheets of puzzles too.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>尤其是當您用紙筆在玩%1玩到頭很大，還解不出來時，把題目輸入程式〔自動解答〕提供正確答案，比對解答就能知道自己哪個步驟錯誤，進而學習改進，如此就會越解功力越強。</source>
        <extracomment>Third paragraph of the About box. %1: the puzzle&apos;s name.</extracomment>
        <translation>When a %1 on paper has you stuck, enter it and let the program solve it: the answer shows which step went wrong, and you get better with every puzzle.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>目前程式採用自由下載方式，歡迎〔媒體／報社／網站／學術等任何單位都可〕免費轉載，請將程式放置於貴伺服器提供下載，以降低網路頻寬負擔。官方下載網址：%1</source>
        <extracomment>Fourth paragraph of the About box: the program may be passed on freely. %1: the download address.</extracomment>
        <translation>The program is free to download, and anyone (press, web sites, schools) is welcome to pass it on free of charge; please offer it from your own server to spare the network. Official download: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>如需要配合修改〔片頭廣告〕〔程式修改〕〔客製化產品〕等，亦歡迎來電 %1 %2 網頁：%3  贊助%4推廣。</source>
        <extracomment>Last paragraph of the About box: custom work on request. %1: the maker, %2: telephone number, %3: web page, %4: the puzzle&apos;s name.</extracomment>
        <translation>For custom work (intro adverts, changes, custom products), call %1 %2  Web: %3  Help spread the %4.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>程式設計：%1&#x3000;%2</source>
        <extracomment>A credit line of the About box. %1: the maker, %2: e-mail address.</extracomment>
        <translation>Programming: %1  %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>我的網頁：%1&#x3000;%2</source>
        <extracomment>A credit line of the About box. %1: the maker, %2: web page address.</extracomment>
        <translation>Web page: %1  %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>關於我的應用程式</source>
        <extracomment>The About box&apos;s caption for the moment before its texts are filled in.</extracomment>
        <translation>About My Application</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>應用程式標題</source>
        <extracomment>The About box&apos;s title label before its text is filled in.</extracomment>
        <translation>Application Title</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>版本：</source>
        <extracomment>The About box&apos;s version label before its text is filled in.</extracomment>
        <translation>Version:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>確定</source>
        <extracomment>The button that closes the About box.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>系統資訊(&amp;S)...</source>
        <extracomment>The button that starts the system information tool. &amp; marks the access key (Alt+S).</extracomment>
        <translation>&amp;System Info</translation>
    </message>
</context>
<context>
    <name>dodoru::CellLabel</name>
    <message>
        <location filename="../ui/toolkit/celllabel.cpp" line="+18"/>
        <source>空格</source>
        <extracomment>What a screen reader says of an empty cell.</extracomment>
        <translation>empty</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>第%1列第%2行，%3</source>
        <extracomment>What a screen reader says of a cell: its row and column, counted from 1 at the top left, then its digit, or 空格 when it is empty (%3).</extracomment>
        <translation>Row %1, column %2, %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>尚未填入數字</source>
        <extracomment>A screen reader&apos;s description of an empty cell.</extracomment>
        <translation>No digit yet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>題目給定的數字</source>
        <extracomment>A screen reader&apos;s description of a cell holding a digit of the puzzle (a given, shown in blue).</extracomment>
        <translation>A given of the puzzle</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>程式解出的數字</source>
        <extracomment>A screen reader&apos;s description of a cell whose digit the program found by solving.</extracomment>
        <translation>A digit found by the program</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>；與同列、同行或同一九宮格的題目數字重複</source>
        <extracomment>Added to a cell&apos;s description when its digit repeats a given in its row, column or 3x3 box.</extracomment>
        <translation>; repeats a given in its row, column or box</translation>
    </message>
</context>
<context>
    <name>dodoru::FileErrors</name>
    <message>
        <location filename="../ui/toolkit/fileerrors.cpp" line="+14"/>
        <source>沒有存取這個檔案的權限</source>
        <translation>No permission to access the file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>檔案或資料夾不存在</source>
        <translation>The file or folder does not exist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這是一個資料夾，不是檔案</source>
        <translation>This is a folder, not a file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>路徑中有一段不是資料夾</source>
        <translation>A part of the path is not a folder</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>磁碟空間不足</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>檔案所在的檔案系統是唯讀的</source>
        <translation>The file system of the file is read-only</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>檔案超過了允許的大小</source>
        <translation>The file is larger than allowed</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>讀寫裝置時發生錯誤</source>
        <translation>Input/output error on the device</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>這是一個符號連結，但它指向的檔案不存在：%1</source>
        <extracomment>%1: the path the link points to.</extracomment>
        <translation>This is a symbolic link to a file that does not exist: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>這是一個裝置，不是一般檔案</source>
        <translation>This is a device, not a regular file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這是一個具名管道（FIFO），不是一般檔案</source>
        <translation>This is a named pipe (FIFO), not a regular file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這是一個通訊端（socket），不是一般檔案</source>
        <translation>This is a socket, not a regular file</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>這不是一般檔案</source>
        <translation>This is not a regular file</translation>
    </message>
</context>
<context>
    <name>dodoru::Level</name>
    <message>
        <location filename="../manuscript/manuscriptpuzzle.cpp" line="+18"/>
        <source>1.極易</source>
        <extracomment>The levels of generated puzzles, 1 the easiest and 5 the hardest, as their generate buttons and a sheet of puzzles show them; keep them short: a button is narrow.</extracomment>
        <translation>1.Gentle</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>2.容易</source>
        <translation>2.Easy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.中等</source>
        <translation>3.Medium</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>4.困難</source>
        <translation>4.Hard</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.極難</source>
        <translation>5.Expert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>自訂</source>
        <extracomment>The level shown for a puzzle of one&apos;s own (not generated) on a sheet of puzzles.</extracomment>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>dodoru::Manuscript</name>
    <message>
        <location filename="../manuscript/manuscriptpainter.cpp" line="+33"/>
        <source>無法寫入「%1」：%2</source>
        <extracomment>The sheet could not be saved. %1: the file&apos;s path, %2: the reason.</extracomment>
        <translation>Cannot write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>第 %1 題</source>
        <extracomment>A puzzle&apos;s number on a sheet of puzzles and on its answer.</extracomment>
        <translation>Puzzle %1</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%1&#x3000;提示 %n</source>
        <extracomment>A puzzle&apos;s level (%1, such as 1.極易) and its number of givens (%n), beside its grid on a sheet.</extracomment>
        <translation>
            <numerusform>%1, %n given</numerusform>
            <numerusform>%1, %n givens</numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>解答</source>
        <extracomment>The heading of the answer pages of a sheet without a title.</extracomment>
        <translation>Answers</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1&#x3000;解答</source>
        <extracomment>The heading of the answer pages of a sheet: its title (%1) and the word for the answers.</extracomment>
        <translation>%1: Answers</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>手稿中沒有任何題目。</source>
        <translation>There are no puzzles on the sheet.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>無法開始輸出手稿（輸出裝置無法使用）。</source>
        <translation>Cannot start the sheet (the output device cannot be used).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>無法在輸出裝置上開始新的一頁。</source>
        <translation>Cannot start a new page on the output device.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>第 %1 頁 / 共 %2 頁</source>
        <extracomment>The footer of every page of a sheet: this page&apos;s number and the number of pages.</extracomment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>輸出手稿時發生錯誤。</source>
        <translation>An error occurred while making the sheet.</translation>
    </message>
</context>
<context>
    <name>dodoru::MessageBoxes</name>
    <message>
        <location filename="../ui/toolkit/messageboxes.cpp" line="+33"/>
        <source>覆寫</source>
        <extracomment>A button of the question whether to replace a file that could not be read: write over it.</extracomment>
        <translation>Replace</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>保留原檔</source>
        <extracomment>A button of the question whether to replace a file that could not be read: keep it as it is.</extracomment>
        <translation>Keep File</translation>
    </message>
</context>
<context>
    <name>dodoru::SystemInfoLauncher</name>
    <message>
        <location filename="../ui/about/sysinfo.cpp" line="+32"/>
        <source>目前無法提供系統資訊</source>
        <extracomment>Shown when the system information tool cannot be found or started.</extracomment>
        <translation>System information is not available.</translation>
    </message>
</context>
<context>
    <name>dodoru::WebLink</name>
    <message>
        <location filename="../ui/about/weblink.cpp" line="+63"/>
        <source>無法開啟網頁瀏覽器。
請自行在瀏覽器中前往 %1</source>
        <extracomment>%1: the web page&apos;s address, for the user to type into a browser.</extracomment>
        <translation>Cannot open a web browser.
Please go to %1 in your browser.</translation>
    </message>
</context>
<context>
    <name>dodoru::app</name>
    <message>
        <location filename="../ui/toolkit/appinfo.h" line="+23"/>
        <source>數字方陣</source>
        <extracomment>The product&apos;s name after the word &quot;Dodoru&quot;: the name of the 9x9 number-placement puzzle.</extracomment>
        <translation>Number Square</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>歐拉</source>
        <extracomment>The Swiss mathematician who studied Latin squares (Leonhard Euler), as the language writes his name.</extracomment>
        <translation>Euler</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dodoru數字方陣</source>
        <extracomment>The program&apos;s full name: &quot;Dodoru&quot; and the puzzle&apos;s name. The title of message boxes and the About box.</extracomment>
        <translation>Dodoru Number Square</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Dodoru - %1 (設計:%2 %3  %4 )</source>
        <extracomment>The main window&apos;s caption. %1: the puzzle&apos;s name, %2: the maker, %3: e-mail address, %4: web page.</extracomment>
        <translation>Dodoru - %1 (by %2 %3  %4 )</translation>
    </message>
</context>
</TS>
