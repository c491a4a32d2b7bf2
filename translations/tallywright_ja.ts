<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>About</name>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 Quillfen.
Free to use and to share.</source>
        <translation>Copyright © 2026 Quillfen.
自由に使用・共有できます。</translation>
    </message>
    <message>
        <source>Tallywright is provided as it is, without warranty of any kind. Back up your report file before you rely on it for billing.</source>
        <translation>Tallywright は現状のまま提供され、いかなる保証もありません。請求に使う前にレポートファイルをバックアップしてください。</translation>
    </message>
    <message>
        <source>Keep track of multiple projects and the time invested in them. Visit www.quillfen.example for news and updates.</source>
        <translation>複数のプロジェクトとそれに費やした時間を記録します。最新情報とアップデートは www.quillfen.example をご覧ください。</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>システム情報は現在利用できません</translation>
    </message>
</context>
<context>
    <name>Away</name>
    <message>
        <source>Sleep from: %1.</source>
        <translation>スリープの検出元: %1。</translation>
    </message>
    <message>
        <source>Idle detection is off: nothing on this desktop tells the idle time.</source>
        <translation>アイドル検出はオフです: このデスクトップにはアイドル時間を知らせるものがありません。</translation>
    </message>
    <message>
        <source>Idle time from: %1.</source>
        <translation>アイドル時間の取得元: %1。</translation>
    </message>
    <message>
        <source>Still tracking %1 since %2 (%3 h).</source>
        <translation>%2 から %1 を記録中です (%3 時間)。</translation>
    </message>
</context>
<context>
    <name>BudgetWatch</name>
    <message>
        <source>%1 has used %2% of its budget for this month.</source>
        <translation>%1 は今月の予算の %2% を使いました。</translation>
    </message>
    <message>
        <source>%1 has used %2% of its budget.</source>
        <translation>%1 は予算の %2% を使いました。</translation>
    </message>
</context>
<context>
    <name>DataPreferences</name>
    <message>
        <source>, and its project list gained %1</source>
        <translation>、プロジェクト一覧に %1 が加わりました</translation>
    </message>
    <message>
        <source>. The files in %1 stay as they are.</source>
        <translation>。%1 のファイルはそのまま残ります。</translation>
    </message>
    <message>
        <source>Please give the data folder as a full path, or choose it with Choose....</source>
        <translation>データフォルダーを完全なパスで指定するか、「選択...」で選んでください。</translation>
    </message>
    <message>
        <source>Please end the running stretch (EndProject) before Tallywright moves to another data folder or shares this one.</source>
        <translation>Tallywright が別のデータフォルダーに移る前、またはこのフォルダーを共有する前に、実行中の区間を終了してください (プロジェクト終了)。</translation>
    </message>
    <message>
        <source>Tallywright cannot keep its files in %1: it is not a folder it may write in.</source>
        <translation>Tallywright は %1 にファイルを保存できません: 書き込みできるフォルダーではありません。</translation>
    </message>
    <message>
        <source>This machine&apos;s records in the shared folder are kept under the name %1, which cannot change now.</source>
        <translation>共有フォルダー内のこのマシンの記録は %1 という名前で保存されており、今は変更できません。</translation>
    </message>
    <message>
        <source>The records in the shared folder %1 stay there, with the other machines&apos; records. Tallywright will keep its files in %2 from now on.</source>
        <translation>共有フォルダー %1 の記録は、他のマシンの記録とともにそこに残ります。今後 Tallywright はファイルを %2 に保存します。</translation>
    </message>
    <message>
        <source>Move Tallywright&apos;s files (%1) from %2 to %3?</source>
        <translation>Tallywright のファイル (%1) を %2 から %3 へ移動しますか?</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are. Either way the records and project names of this machine that the shared folder lacks are merged into it.</source>
        <translation>「はい」で移動します。「いいえ」でそのままにします。どちらの場合も、共有フォルダーにないこのマシンの記録とプロジェクト名はそこに統合されます。</translation>
    </message>
    <message>
        <source>Yes moves them. No leaves them where they are and uses what %1 holds.</source>
        <translation>「はい」で移動します。「いいえ」でそのままにし、%1 にある内容を使います。</translation>
    </message>
    <message>
        <source>Your records could not be merged into %1: %2.</source>
        <translation>記録を %1 に統合できませんでした: %2。</translation>
    </message>
    <message>
        <source>%1 already holds Tallywright&apos;s files, which yours cannot be put together with. Choose No to use them as they are, or another folder.</source>
        <translation>%1 にはすでに Tallywright のファイルがあり、あなたのファイルとまとめることはできません。そのまま使うには「いいえ」を選ぶか、別のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>Your files could not all be moved to %1: %2. What was not moved is still in %3.</source>
        <translation>ファイルをすべて %1 に移動できませんでした: %2。移動されなかったものは %3 に残っています。</translation>
    </message>
    <message>
        <source>The data folder could not be set: %1</source>
        <translation>データフォルダーを設定できませんでした: %1</translation>
    </message>
    <message numerus="yes">
        <source>Tallywright keeps its files in the shared folder %1 now. %n records of %2 that it lacked went into this machine&apos;s report there (%3)</source>
        <comment>Tallywright keeps its files in the shared folder %1 now. %n record of %2 that it lacked went into this machine&apos;s report there (%3)</comment>
        <translation>
            <numerusform>Tallywright は今後、共有フォルダー %1 にファイルを保存します。%2 にあって不足していた %n 件の記録を、そこにあるこのマシンのレポート (%3) に加えました</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EntryEditor</name>
    <message>
        <source>A project name cannot contain a comma. Please remove it from the project.</source>
        <translation>プロジェクト名にはコンマを使えません。プロジェクトから削除してください。</translation>
    </message>
    <message>
        <source>The Project Start Time is not a date and time. Please type it like %1.</source>
        <translation>プロジェクトの開始時刻が日時ではありません。%1 のように入力してください。</translation>
    </message>
    <message>
        <source>The Project End Time is not a date and time. Please type it like %1.</source>
        <translation>プロジェクトの終了時刻が日時ではありません。%1 のように入力してください。</translation>
    </message>
    <message>
        <source>This entry has been changed in the report file since the report was shown, so your change was not saved. The report is shown again as the file now stands.</source>
        <translation>レポートを表示した後にこの項目がレポートファイルで変更されたため、変更は保存されませんでした。現在のファイルの内容でレポートを表示し直します。</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>the edit of %1</source>
        <translation>%1 の編集</translation>
    </message>
    <message>
        <source>the deletion of %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>the stretch added, %1</source>
        <translation>追加した区間 %1</translation>
    </message>
    <message>
        <source>the split of %1</source>
        <translation>%1 の分割</translation>
    </message>
    <message>
        <source>the merge of %1</source>
        <translation>%1 の統合</translation>
    </message>
    <message>
        <source>window</source>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>command line</source>
        <translation>コマンドライン</translation>
    </message>
    <message>
        <source>Clear Report</source>
        <translation>レポートをクリア</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>レポートを復元</translation>
    </message>
    <message>
        <source>the stretch %1 is no longer in the record</source>
        <translation>区間 %1 はもう記録にありません</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since, on this machine or another</source>
        <translation>区間 %1 はその後、このマシンまたは別のマシンで変更されました</translation>
    </message>
    <message>
        <source>the stretch %1 was changed since</source>
        <translation>区間 %1 はその後変更されました</translation>
    </message>
    <message>
        <source>its records were changed since</source>
        <translation>その記録はその後変更されました</translation>
    </message>
    <message>
        <source>the records it took out are gone</source>
        <translation>取り除いた記録がなくなっています</translation>
    </message>
    <message>
        <source>the report it put aside is gone</source>
        <translation>退避したレポートがなくなっています</translation>
    </message>
    <message>
        <source>the report was changed since</source>
        <translation>レポートはその後変更されました</translation>
    </message>
    <message>
        <source>there is nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>there is nothing to redo</source>
        <translation>やり直す操作はありません</translation>
    </message>
    <message numerus="yes">
        <source>the import of %n stretches</source>
        <comment>the import of %n stretch</comment>
        <translation>
            <numerusform>%n 件の区間のインポート</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>Nothing imported: %1</source>
        <translation>何もインポートされませんでした: %1</translation>
    </message>
    <message>
        <source>, from %1 to %2</source>
        <translation>、%1 から %2 まで</translation>
    </message>
    <message>
        <source>Projects:</source>
        <translation>プロジェクト:</translation>
    </message>
    <message>
        <source>  (new: goes on the project list)</source>
        <translation>  (新規: プロジェクト一覧に追加)</translation>
    </message>
    <message>
        <source>  (new, not on the project list)</source>
        <translation>  (新規、プロジェクト一覧にはなし)</translation>
    </message>
    <message>
        <source>Project &quot;%1&quot; is written as &quot;%2&quot; (%3)</source>
        <translation>プロジェクト「%1」は「%2」として書き込まれます (%3)</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches were added to the report.</source>
        <comment>%n stretch was added to the report.</comment>
        <translation>
            <numerusform>%n 区間をレポートに追加しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches read</source>
        <comment>%n stretch read</comment>
        <translation>
            <numerusform>%n 区間を読み込み</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n stretches to add</source>
        <comment>%n stretch to add</comment>
        <translation>
            <numerusform>追加する区間 %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicates skipped (already in the report)</source>
        <comment>%n duplicate skipped (already in the report)</comment>
        <translation>
            <numerusform>重複 %n 件を読み飛ばし (レポートに既存)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n overlap stretches of the report</source>
        <comment>%n overlaps a stretch of the report</comment>
        <translation>
            <numerusform>%n 件がレポートの区間と重複</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>and %n more</comment>
        <translation>
            <numerusform>ほか %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n notes:</source>
        <comment>%n note:</comment>
        <translation>
            <numerusform>注記 %n 件:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items could not be read:</source>
        <comment>%n item could not be read:</comment>
        <translation>
            <numerusform>%n 件の項目を読み込めませんでした:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>%1 in %2 format</source>
        <translation>%2 形式の %1</translation>
    </message>
</context>
<context>
    <name>Mend</name>
    <message>
        <source>give the stretch&apos;s ID (as list prints it)</source>
        <translation>区間の ID を指定してください (list が表示するもの)</translation>
    </message>
    <message>
        <source>the stretch was changed since it was read; list it again</source>
        <translation>区間は読み込み後に変更されました。もう一度 list してください</translation>
    </message>
    <message>
        <source>unexpected &quot;%1&quot;</source>
        <translation>予期しない &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 には値が必要です</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>%1 on %2 is still to come</source>
        <translation>%2 の %1 はまだ来ていません</translation>
    </message>
    <message>
        <source>running: %1 since %2</source>
        <translation>実行中: %2 から %1</translation>
    </message>
    <message>
        <source>it would overlap%1
(--allow-overlap records it all the same)</source>
        <translation>次と重なります:%1
(--allow-overlap を付けるとそれでも記録します)</translation>
    </message>
    <message>
        <source>name a project</source>
        <translation>プロジェクトを指定してください</translation>
    </message>
    <message>
        <source>no stretch has the id %1 (tallywright-ctl list shows them; an id names one stretch, and four of its characters at least are needed)</source>
        <translation>ID %1 の区間はありません (tallywright-ctl list で表示されます。ID は 1 つの区間を指し、少なくとも 4 文字が必要です)</translation>
    </message>
    <message>
        <source>give FROM TO PROJECT</source>
        <translation>開始 終了 プロジェクト を指定してください</translation>
    </message>
    <message>
        <source>%1 is not after %2</source>
        <translation>%1 は %2 より後ではありません</translation>
    </message>
    <message>
        <source>Would add: %1</source>
        <translation>追加する予定: %1</translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation>追加しました: %1</translation>
    </message>
    <message>
        <source>say what changes: --from, --to, --project or --comment</source>
        <translation>変更する内容を指定してください: --from、--to、--project、--comment</translation>
    </message>
    <message>
        <source>its end %1 would not be after its start %2</source>
        <translation>終了 %1 が開始 %2 より後になりません</translation>
    </message>
    <message>
        <source>Would change:</source>
        <translation>変更する予定:</translation>
    </message>
    <message>
        <source>Changed:</source>
        <translation>変更しました:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>変更後:</translation>
    </message>
    <message>
        <source>Would delete: %1</source>
        <translation>削除する予定: %1</translation>
    </message>
    <message>
        <source>Deleted: %1</source>
        <translation>削除しました: %1</translation>
    </message>
    <message>
        <source>give the stretch&apos;s ID and the time to split it at</source>
        <translation>区間の ID と分割する時刻を指定してください</translation>
    </message>
    <message>
        <source>the stretch has no end to split it before</source>
        <translation>区間に終了がないため分割できません</translation>
    </message>
    <message>
        <source>%1 does not lie inside the stretch (%2)</source>
        <translation>%1 は区間 (%2) の内側にありません</translation>
    </message>
    <message>
        <source>Would split: %1
at %2</source>
        <translation>分割する予定: %1
%2 で</translation>
    </message>
    <message>
        <source>Split: %1
at %2</source>
        <translation>分割しました: %1
%2 で</translation>
    </message>
    <message>
        <source>cannot undo %1: %2</source>
        <translation>%1 を元に戻せません: %2</translation>
    </message>
    <message>
        <source>cannot redo %1: %2</source>
        <translation>%1 をやり直せません: %2</translation>
    </message>
    <message>
        <source>Would undo %1</source>
        <translation>元に戻す予定: %1</translation>
    </message>
    <message>
        <source>Would redo %1</source>
        <translation>やり直す予定: %1</translation>
    </message>
    <message>
        <source>Undid %1</source>
        <translation>元に戻しました: %1</translation>
    </message>
    <message>
        <source>Redid %1</source>
        <translation>やり直しました: %1</translation>
    </message>
    <message>
        <source>-n takes a number of steps</source>
        <translation>-n には手順の数を指定します</translation>
    </message>
    <message>
        <source>(undone)</source>
        <translation>(元に戻し済み)</translation>
    </message>
    <message>
        <source>was:</source>
        <translation>変更前:</translation>
    </message>
    <message>
        <source>now:</source>
        <translation>変更後:</translation>
    </message>
    <message>
        <source>unknown verb &quot;%1&quot;</source>
        <translation>不明な動詞 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>記録を変更できませんでした: %1</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <translation>%1 は拒否されました: %2</translation>
    </message>
</context>
<context>
    <name>Money</name>
    <message>
        <source>No amount was given.</source>
        <translation>金額が入力されていません。</translation>
    </message>
    <message>
        <source>An amount cannot be negative.</source>
        <translation>金額を負にすることはできません。</translation>
    </message>
    <message>
        <source>The amount %1 is too large (at most %2).</source>
        <translation>金額 %1 は大きすぎます (最大 %2)。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250.</source>
        <translation>「%1」は金額ではありません: 85 や 85%250 のように入力してください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an amount: write it like 85 or 85%250, without thousands separators.</source>
        <translation>「%1」は金額ではありません: 桁区切りなしで 85 や 85%250 のように入力してください。</translation>
    </message>
    <message>
        <source>An amount has at most two decimals: %1.</source>
        <translation>金額の小数は 2 桁までです: %1。</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>the desktop&apos;s notification service</source>
        <translation>デスクトップの通知サービス</translation>
    </message>
    <message>
        <source>a balloon of the notification icon</source>
        <translation>通知アイコンのバルーン</translation>
    </message>
    <message>
        <source>The minutes without input must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>入力のない分数は 0 から %1 までの整数にしてください (0 でオフ)。</translation>
    </message>
    <message>
        <source>The hours before a reminder must be a whole number from 0 to %1 (0 turns it off).</source>
        <translation>リマインダーまでの時間数は 0 から %1 までの整数にしてください (0 でオフ)。</translation>
    </message>
</context>
<context>
    <name>ProjectList</name>
    <message>
        <source>A project name cannot contain a comma: the report keeps its fields apart by commas.

Please change line %1:
%2</source>
        <translation>プロジェクト名にはコンマを使えません: レポートはフィールドをコンマで区切っています。

%1 行目を変更してください:
%2</translation>
    </message>
    <message>
        <source>The project list was changed on two machines at the same time. Both changes are kept in one list</source>
        <translation>プロジェクト一覧が 2 台のマシンで同時に変更されました。両方の変更を 1 つの一覧にまとめました</translation>
    </message>
    <message>
        <source>; added: %1</source>
        <translation>。追加: %1</translation>
    </message>
    <message>
        <source>; removed: %1</source>
        <translation>。削除: %1</translation>
    </message>
    <message>
        <source>.

The sync service&apos;s copy, %1, has been merged and removed.</source>
        <translation>。

同期サービスのコピー %1 は統合して削除しました。</translation>
    </message>
</context>
<context>
    <name>ProjectTerms</name>
    <message>
        <source>Name the project these settings are for.</source>
        <translation>この設定の対象となるプロジェクトを指定してください。</translation>
    </message>
    <message>
        <source>A project&apos;s name cannot hold a comma, a tab or a line end.</source>
        <translation>プロジェクト名にはコンマ、タブ、改行を使えません。</translation>
    </message>
    <message>
        <source>A rate&apos;s first day is written like 2026-01-31.</source>
        <translation>料金の開始日は 2026-01-31 のように入力します。</translation>
    </message>
    <message>
        <source>The rate from %1: %2</source>
        <translation>%1 からの料金: %2</translation>
    </message>
    <message>
        <source>Two rates take effect on %1: keep one.</source>
        <translation>%1 に 2 つの料金が有効になります: 1 つだけ残してください。</translation>
    </message>
    <message>
        <source>The budget&apos;s hours: %1</source>
        <translation>予算の時間: %1</translation>
    </message>
    <message>
        <source>The budget&apos;s amount: %1</source>
        <translation>予算の金額: %1</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Total Time:</source>
        <translation>合計時間:</translation>
    </message>
    <message>
        <source>%1, edited on %2</source>
        <translation>%1、%2 で編集</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>%n minute</comment>
        <translation>
            <numerusform>%n 分</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <comment>%n hour</comment>
        <translation>
            <numerusform>%n 時間</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2 to %3, %4</source>
        <translation>%1、%2 から %3、%4</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Project Name</source>
        <translation>プロジェクト名</translation>
    </message>
    <message>
        <source>Start of Project</source>
        <translation>プロジェクト開始</translation>
    </message>
    <message>
        <source>End of Project</source>
        <translation>プロジェクト終了</translation>
    </message>
    <message>
        <source>Project Time</source>
        <translation>プロジェクト時間</translation>
    </message>
    <message>
        <source>Comments</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>マシン</translation>
    </message>
    <message>
        <source>Report...   Date being displayed: %1 %2</source>
        <translation>レポート...   表示中の日付: %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportMenu</name>
    <message>
        <source>Are you sure you want to delete the report file?</source>
        <translation>レポートファイルを削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Delete Reports</source>
        <translation>レポートの削除</translation>
    </message>
    <message>
        <source>Your Report File has been deleted.</source>
        <translation>レポートファイルを削除しました。</translation>
    </message>
    <message>
        <source>Report File Deleted</source>
        <translation>レポートファイル削除済み</translation>
    </message>
    <message>
        <source>Restoring the report will delete any changes you&apos;ve made in Tallywright since the last time you exited the application. Are you sure you want to do this?</source>
        <translation>レポートを復元すると、前回アプリケーションを終了してから Tallywright で行った変更はすべて失われます。実行してもよろしいですか?</translation>
    </message>
    <message>
        <source>Restore Report</source>
        <translation>レポートの復元</translation>
    </message>
    <message>
        <source>There is no backup of the report to restore. The report file has not been changed.</source>
        <translation>復元できるレポートのバックアップがありません。レポートファイルは変更されていません。</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>The report holds lines in another form</source>
        <translation>レポートに別の形式の行があります</translation>
    </message>
    <message>
        <source>Another copy is tracking in this folder</source>
        <translation>別のコピーがこのフォルダーで記録中です</translation>
    </message>
    <message>
        <source>Saving Changes...</source>
        <translation>変更を保存しています...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
</context>
<context>
    <name>Summary</name>
    <message>
        <source>The report could not be read: %1.</source>
        <translation>レポートを読み込めませんでした: %1。</translation>
    </message>
    <message>
        <source>There is no report yet.</source>
        <translation>レポートはまだありません。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>:  %1 (%2 hours) in %3</source>
        <translation>:  %1 (%2 時間)、%3</translation>
    </message>
    <message numerus="yes">
        <source>%n stretches</source>
        <comment>%n stretch</comment>
        <translation>
            <numerusform>%n 区間</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of the report are not records and were skipped.</source>
        <comment>%n line of the report is not a record and was skipped.</comment>
        <translation>
            <numerusform>レポートの %n 行は記録ではないため、読み飛ばしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>%1 (left out).</source>
        <translation>%1 (除外)。</translation>
    </message>
    <message>
        <source>The rates could not be read: %1.</source>
        <translation>料金を読み込めませんでした: %1。</translation>
    </message>
    <message>
        <source>The setting %1</source>
        <translation>設定 %1</translation>
    </message>
    <message>
        <source>No hourly rates are set: Report &gt; Rates... sets a project&apos;s rate, and whether it is billable.</source>
        <translation>時間単価が設定されていません: [レポート] &gt; [料金...] でプロジェクトの料金と請求対象かどうかを設定します。</translation>
    </message>
    <message>
        <source>%1 (%2 hours)</source>
        <translation>%1 (%2 時間)</translation>
    </message>
    <message>
        <source>Billable: %1, %2.</source>
        <translation>請求対象: %1、%2。</translation>
    </message>
    <message>
        <source>Not billable: %1, worth %2 at its rates.</source>
        <translation>請求対象外: %1、料金換算で %2。</translation>
    </message>
    <message>
        <source>No working-time target is set: Option &gt; Preferences... sets one.</source>
        <translation>労働時間の目標が設定されていません: [オプション] &gt; [設定...] で設定します。</translation>
    </message>
    <message>
        <source>Balance: today %1, this week %2, this month %3</source>
        <translation>差: 今日 %1、今週 %2、今月 %3</translation>
    </message>
    <message>
        <source>, since %1 %2</source>
        <translation>、%1 以降 %2</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>This stretch has been changed since the timeline showed it, so your change was not saved. The timeline is shown again as the report now stands.</source>
        <translation>タイムラインに表示した後にこの区間が変更されたため、変更は保存されませんでした。現在のレポートの内容でタイムラインを表示し直します。</translation>
    </message>
    <message>
        <source>%1 (running)</source>
        <translation>%1 (実行中)</translation>
    </message>
    <message>
        <source>This would overlap %1. Change it anyway?</source>
        <translation>%1 と重なります。変更しますか?</translation>
    </message>
    <message>
        <source>This would overlap %1 and %2. Change it anyway?</source>
        <translation>%1 と %2 に重なります。変更しますか?</translation>
    </message>
    <message>
        <source>The report could not be changed: %1</source>
        <translation>レポートを変更できませんでした: %1</translation>
    </message>
    <message>
        <source>Choose or type the stretch&apos;s project.</source>
        <translation>区間のプロジェクトを選ぶか入力してください。</translation>
    </message>
    <message>
        <source>The stretch could not be added to the report: %1</source>
        <translation>区間をレポートに追加できませんでした: %1</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>レポートを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The running stretch&apos;s start could not be moved.</source>
        <translation>実行中の区間の開始を移動できませんでした。</translation>
    </message>
    <message>
        <source>A stretch cannot end before it starts.</source>
        <translation>区間は開始前に終了できません。</translation>
    </message>
    <message>
        <source>The running stretch cannot be deleted while it runs. End it with EndProject first.</source>
        <translation>実行中の区間は削除できません。先に「プロジェクト終了」で終了してください。</translation>
    </message>
    <message>
        <source>The running stretch cannot start after now.</source>
        <translation>実行中の区間を現在より後に開始することはできません。</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start can be moved.</source>
        <translation>実行中の区間は「プロジェクト終了」を押すと終わります: 移動できるのは開始だけです。</translation>
    </message>
    <message>
        <source>%1 to midnight</source>
        <translation>%1 から深夜 0 時</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 から %2</translation>
    </message>
    <message>
        <source>%1 to now</source>
        <translation>%1 から現在</translation>
    </message>
    <message>
        <source>%1, no end</source>
        <translation>%1、終了なし</translation>
    </message>
    <message>
        <source>Free, %1</source>
        <translation>空き、%1</translation>
    </message>
    <message>
        <source>, running</source>
        <translation>、実行中</translation>
    </message>
    <message>
        <source>, on %1</source>
        <translation>、%1 上</translation>
    </message>
    <message>
        <source>, overlaps another stretch</source>
        <translation>、他の区間と重複</translation>
    </message>
    <message>
        <source> (%1, running)</source>
        <translation> (%1、実行中)</translation>
    </message>
    <message>
        <source>Recorded on %1</source>
        <translation>%1 で記録</translation>
    </message>
    <message>
        <source>, edited on %1</source>
        <translation>、%1 で編集</translation>
    </message>
    <message>
        <source>Overlaps another stretch</source>
        <translation>他の区間と重複しています</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 in %n stretches</source>
        <comment>%1: %2 in %n stretch</comment>
        <translation>
            <numerusform>%1: %2 (%n 区間)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This would overlap %1 and %n other stretches. Change it anyway?</source>
        <comment>This would overlap %1 and %n other stretch. Change it anyway?</comment>
        <translation>
            <numerusform>%1 とほか %n 区間に重なります。変更しますか?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, a day of %n hours</source>
        <comment>, a day of %n hour</comment>
        <translation>
            <numerusform>、%n 時間の日</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TimelineAccessible</name>
    <message>
        <source>Up and Down go from item to item, Left and Right to the same time of the next or last day, Tab from stretch to stretch. Enter edits a stretch or adds one in free time, Insert adds, Delete deletes. Alt+Up and Alt+Down move the start, Alt+Shift+Up and Alt+Shift+Down the end, Alt+Left and Alt+Right the whole stretch, Alt+Page Up and Alt+Page Down by a day; Enter saves such a change, Escape leaves it.</source>
        <translation>上下キーで項目間を移動、左右キーで翌日または前日の同じ時刻へ、Tab で区間から区間へ移動します。Enter で区間を編集するか空き時間に追加、Insert で追加、Delete で削除します。Alt+上/Alt+下で開始、Alt+Shift+上/Alt+Shift+下で終了、Alt+左/Alt+右で区間全体、Alt+PageUp/Alt+PageDown で 1 日単位で移動します。Enter でその変更を保存、Esc で取り消します。</translation>
    </message>
    <message>
        <source>Free time: Enter or Insert adds a stretch here</source>
        <translation>空き時間: Enter または Insert でここに区間を追加</translation>
    </message>
    <message>
        <source>Edit the stretch</source>
        <translation>区間を編集</translation>
    </message>
    <message>
        <source>Add a stretch in this free time</source>
        <translation>この空き時間に区間を追加</translation>
    </message>
    <message>
        <source>Delete the stretch</source>
        <translation>区間を削除</translation>
    </message>
    <message>
        <source>Select it</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Show its menu</source>
        <translation>メニューを表示</translation>
    </message>
</context>
<context>
    <name>Tracker</name>
    <message>
        <source>Also running on %1: %2 since %3</source>
        <translation>%1 でも実行中: %3 から %2</translation>
    </message>
    <message>
        <source>The running stretch could not be saved: %1</source>
        <translation>実行中の区間を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>The stretch is recorded in the report, but %1 could not be removed: %2. The next start will not offer it again.</source>
        <translation>区間はレポートに記録されましたが、%1 を削除できませんでした: %2。次回の起動では再表示されません。</translation>
    </message>
    <message>
        <source>%1 (%2 bytes) is larger than any running stretch %3 saves, so it is not offered back. It is left as it is.</source>
        <translation>%1 (%2 バイト) は %3 が保存する実行中の区間より大きいため、再表示しません。そのまま残します。</translation>
    </message>
    <message>
        <source>Recorded %1 from %2 to %3</source>
        <translation>%1 を %2 から %3 まで記録しました</translation>
    </message>
    <message>
        <source>, ended when you left; the time away since is not counted</source>
        <translation>、離席時に終了しました。離席後の時間は数えません</translation>
    </message>
    <message>
        <source>There was an error writing to the report</source>
        <translation>レポートへの書き込み中にエラーが発生しました</translation>
    </message>
    <message>
        <source>The stretch of %1 started %2 was still running when %3 last ended, at about %4.</source>
        <translation>%2 に開始した %1 の区間は、%3 が前回 %4 ごろに終了したとき、まだ実行中でした。</translation>
    </message>
    <message>
        <source>&amp;Keep Running</source>
        <translation>続行(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;End Then</source>
        <translation>その時点で終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>破棄(&amp;D)</translation>
    </message>
    <message>
        <source>A stretch of %1 was kept as running when %2 last ended, but %3. Keep Running puts it into the window as found, to put right there; Discard removes it.</source>
        <translation>%2 の前回終了時に %1 の区間が実行中として保存されましたが、%3。「続行」では見つかったまま画面に戻して修正できます。「破棄」では削除します。</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while tracking %4.</source>
        <translation>%4 の記録中、%1 から %2 まで (%3) 離席していました。</translation>
    </message>
    <message>
        <source>&amp;Keep Time</source>
        <translation>時間を残す(&amp;K)</translation>
    </message>
    <message>
        <source>End Then and &amp;Restart</source>
        <translation>その時点で終了して再開(&amp;R)</translation>
    </message>
    <message>
        <source>%1 from %2 to %3</source>
        <translation>%1 (%2 から %3 まで)</translation>
    </message>
    <message>
        <source>A start at %1 would overlap what is recorded: %2</source>
        <translation>%1 に開始すると記録済みの区間と重なります: %2</translation>
    </message>
    <message>
        <source>A project name must be UTF-8 text</source>
        <translation>プロジェクト名は UTF-8 のテキストでなければなりません</translation>
    </message>
    <message>
        <source>A project name cannot hold a comma: &quot;%1&quot;</source>
        <translation>プロジェクト名にカンマは使えません: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>A project name cannot hold a line break or another control character</source>
        <translation>プロジェクト名に改行などの制御文字は使えません</translation>
    </message>
    <message>
        <source>A project name is at most %1 bytes long; this one has %2</source>
        <translation>プロジェクト名は最大 %1 バイトです。この名前は %2 バイトあります</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text</source>
        <translation>コメントは UTF-8 のテキストでなければなりません</translation>
    </message>
    <message>
        <source>A comment cannot hold a control character other than a line break</source>
        <translation>コメントには改行以外の制御文字は使えません</translation>
    </message>
    <message>
        <source>A comment is at most %1 bytes long; this one has %2</source>
        <translation>コメントは最大 %1 バイトです。このコメントは %2 バイトあります</translation>
    </message>
    <message>
        <source>Would record %1 from %2 to %3</source>
        <translation>%1 を %2 から %3 まで記録する予定</translation>
    </message>
    <message>
        <source>Tallywright is waiting for an answer in one of its windows</source>
        <translation>Tallywright はいずれかのウィンドウで応答を待っています</translation>
    </message>
    <message>
        <source>The data folder cannot be used: %1</source>
        <translation>データフォルダーを使用できません: %1</translation>
    </message>
    <message>
        <source>Tallywright has just started on this data folder; try again</source>
        <translation>Tallywright はこのデータフォルダーで起動したところです。もう一度お試しください</translation>
    </message>
    <message>
        <source>%1 is still to come</source>
        <translation>%1 はまだ来ていません</translation>
    </message>
    <message>
        <source>%1 is not after the start of the running stretch, %2</source>
        <translation>%1 は実行中の区間の開始 %2 より後ではありません</translation>
    </message>
    <message>
        <source>The stretch could not be recorded in the report</source>
        <translation>区間をレポートに記録できませんでした</translation>
    </message>
    <message>
        <source>No project is chosen: name the project to start</source>
        <translation>プロジェクトが選択されていません。開始するプロジェクトを指定してください</translation>
    </message>
    <message>
        <source>Would change nothing: %1 is running</source>
        <translation>何も変更しない予定: %1 は実行中です</translation>
    </message>
    <message>
        <source>The running stretch could not be recorded</source>
        <translation>実行中の区間を記録できませんでした</translation>
    </message>
    <message>
        <source>Would start %1 at %2</source>
        <translation>%1 を %2 に開始する予定</translation>
    </message>
    <message>
        <source>The stretch could not be started</source>
        <translation>区間を開始できませんでした</translation>
    </message>
    <message>
        <source>No stretch is running</source>
        <translation>実行中の区間はありません</translation>
    </message>
    <message>
        <source>%1 is running since %2; stop it first</source>
        <translation>%1 は %2 から実行中です。先に停止してください</translation>
    </message>
    <message>
        <source>No stretch ended in the last year to continue</source>
        <translation>過去 1 年間に終了した、続行できる区間はありません</translation>
    </message>
    <message>
        <source>%1 is before the end of the last stretch, %2</source>
        <translation>%1 は最後の区間の終了 %2 より前です</translation>
    </message>
    <message>
        <source>Would discard %1 started %2</source>
        <translation>%2 に開始した %1 を破棄する予定</translation>
    </message>
    <message>
        <source>Discarded %1 started %2</source>
        <translation>%2 に開始した %1 を破棄しました</translation>
    </message>
    <message>
        <source>%1; to start it again: %2</source>
        <translation>%1。もう一度開始するには: %2</translation>
    </message>
    <message>
        <source>Would set the comment of %1 started %2 to: %3</source>
        <translation>%2 に開始した %1 のコメントを次に設定する予定: %3</translation>
    </message>
</context>
<context>
    <name>WorkPreferences</name>
    <message>
        <source>Write each weekday&apos;s target hours in its own box, like 8, 7.5 or 7:30.</source>
        <translation>各曜日の目標時間はそれぞれの欄に、8、7.5、7:30 のように書いてください。</translation>
    </message>
    <message>
        <source>The target hours: %1</source>
        <translation>目標時間: %1</translation>
    </message>
    <message>
        <source>The days off: %1</source>
        <translation>休日: %1</translation>
    </message>
    <message>
        <source>The balance is counted since a day written like 2026-01-01.</source>
        <translation>収支は 2026-01-01 のように書いた日から数えます。</translation>
    </message>
</context>
<context>
    <name>tw::DesktopNotifications</name>
    <message>
        <source>Show %1</source>
        <translation>%1 を表示</translation>
    </message>
</context>
<context>
    <name>tw::HelpViewer</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>トピック</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>Type the first few letters of the word you&apos;re looking for:</source>
        <translation>探している語の最初の数文字を入力してください:</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>キーワード</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>表示(&amp;D)</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>ヘルプページ</translation>
    </message>
    <message>
        <source>The help file cannot be opened</source>
        <translation>ヘルプファイルを開けません</translation>
    </message>
</context>
<context>
    <name>tw::SummaryChart</name>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>No time recorded in this period</source>
        <translation>この期間に記録された時間はありません</translation>
    </message>
</context>
<context>
    <name>tw::TimelineView</name>
    <message>
        <source>on %1</source>
        <translation>%1 上</translation>
    </message>
    <message>
        <source>Start %1, end %2: it would end before it starts</source>
        <translation>開始 %1、終了 %2: 開始前に終了してしまいます</translation>
    </message>
    <message>
        <source>midnight</source>
        <translation>深夜 0 時</translation>
    </message>
    <message>
        <source>Start %1, end %2, length %3</source>
        <translation>開始 %1、終了 %2、長さ %3</translation>
    </message>
    <message>
        <source> (Enter saves, Escape leaves it)</source>
        <translation> (Enter で保存、Esc で取り消し)</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編集(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Add Stretch...</source>
        <translation>区間を追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Drag or double-click to add a stretch</source>
        <translation>ドラッグまたはダブルクリックで区間を追加</translation>
    </message>
    <message>
        <source>The running stretch ends when you press EndProject: only its start moves.</source>
        <translation>実行中の区間は「プロジェクト終了」を押すと終わります: 動くのは開始だけです。</translation>
    </message>
</context>
<context>
    <name>tw::UndoActions</name>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し(&amp;R): %1</translation>
    </message>
    <message>
        <source>the record could not be changed: %1</source>
        <translation>記録を変更できませんでした: %1</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>元に戻す操作はありません。</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>やり直す操作はありません。</translation>
    </message>
    <message>
        <source>Cannot undo %1: %2.</source>
        <translation>%1 を元に戻せません: %2。</translation>
    </message>
    <message>
        <source>Cannot redo %1: %2.</source>
        <translation>%1 をやり直せません: %2。</translation>
    </message>
</context>
<context>
    <name>tw::WorkTargetGroup</name>
    <message>
        <source>Working-time target</source>
        <translation>労働時間の目標</translation>
    </message>
    <message>
        <source>&amp;Target hours on each weekday (empty: none):</source>
        <translation>曜日ごとの目標時間(&amp;T) (空欄: なし):</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Hours as 8, 7.5 or 7:30</source>
        <translation>8、7.5、7:30 のような時間</translation>
    </message>
    <message>
        <source>Target hours on %1</source>
        <translation>%1 の目標時間</translation>
    </message>
    <message>
        <source>Days o&amp;ff:</source>
        <translation>休日(&amp;F):</translation>
    </message>
    <message>
        <source>Days whose target counts as met; a stretch tagged #off marks one too</source>
        <translation>目標を達成したとみなす日。#off タグの付いた区間もその日を示します</translation>
    </message>
    <message>
        <source>Balance s&amp;ince:</source>
        <translation>収支の起点(&amp;I):</translation>
    </message>
</context>
<context>
    <name>tw::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>システム情報(&amp;S)...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
</context>
<context>
    <name>tw::frmImport</name>
    <message>
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>ファイル(&amp;F):</translation>
    </message>
    <message>
        <source>Choose Fi&amp;le...</source>
        <translation>ファイルを選択(&amp;L)...</translation>
    </message>
    <message>
        <source>Choose a file to import</source>
        <translation>インポートするファイルを選択</translation>
    </message>
    <message>
        <source>Choose F&amp;older...</source>
        <translation>フォルダーを選択(&amp;O)...</translation>
    </message>
    <message>
        <source>Choose a Timewarrior data folder</source>
        <translation>Timewarrior のデータフォルダーを選択</translation>
    </message>
    <message>
        <source>Fo&amp;rmat:</source>
        <translation>形式(&amp;R):</translation>
    </message>
    <message>
        <source>Recognise it</source>
        <translation>自動判別</translation>
    </message>
    <message>
        <source>&amp;Add new projects to the project list</source>
        <translation>新しいプロジェクトを一覧に追加(&amp;A)</translation>
    </message>
    <message>
        <source>What the import would do</source>
        <translation>インポートで行われる内容</translation>
    </message>
    <message>
        <source>Reading the file</source>
        <translation>ファイルを読み込んでいます</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>インポート(&amp;I)</translation>
    </message>
    <message>
        <source>Add the stretches to the report</source>
        <translation>区間をレポートに追加</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Write nothing</source>
        <translation>何も書き込まない</translation>
    </message>
    <message>
        <source>Import a Timewarrior Data Folder</source>
        <translation>Timewarrior のデータフォルダーをインポート</translation>
    </message>
    <message>
        <source>Reading...</source>
        <translation>読み込み中...</translation>
    </message>
</context>
<context>
    <name>tw::frmMachineName</name>
    <message>
        <source>This Machine</source>
        <translation>このマシン</translation>
    </message>
    <message>
        <source>The data folder %1 is shared with other machines. Each machine keeps its records there under a name of its own.</source>
        <translation>データフォルダー %1 は他のマシンと共有されています。各マシンはそこに自分の名前で記録を保存します。</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name:</source>
        <translation>このマシンの名前(&amp;N):</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tw::frmMain</name>
    <message>
        <source>Start Project</source>
        <translation>プロジェクト開始</translation>
    </message>
    <message>
        <source>Start tracking your project</source>
        <translation>プロジェクトの記録を開始</translation>
    </message>
    <message>
        <source>EndProject</source>
        <translation>プロジェクト終了</translation>
    </message>
    <message>
        <source>End the tracking of your project</source>
        <translation>プロジェクトの記録を終了</translation>
    </message>
    <message>
        <source>Comments about your project</source>
        <translation>プロジェクトについてのコメント</translation>
    </message>
    <message>
        <source>Update Projects</source>
        <translation>プロジェクトの更新</translation>
    </message>
    <message>
        <source>Update/Add to your project list</source>
        <translation>プロジェクト一覧を更新/追加</translation>
    </message>
    <message>
        <source>Your Project List:</source>
        <translation>プロジェクト一覧:</translation>
    </message>
    <message>
        <source>Comment about Project:</source>
        <translation>プロジェクトのコメント:</translation>
    </message>
    <message>
        <source>Time on project:</source>
        <translation>プロジェクトの時間:</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Time on project</source>
        <translation>プロジェクトの時間</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>ステータスバー(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Center App</source>
        <translation>ウィンドウを中央へ(&amp;C)</translation>
    </message>
    <message>
        <source>Clear &amp;Screen</source>
        <translation>画面をクリア(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>設定(&amp;P)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>レポート(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;View Report</source>
        <translation>レポートを表示(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Clear Report</source>
        <translation>レポートをクリア(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Restore Report</source>
        <translation>レポートを復元(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Summary...</source>
        <translation>集計(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>インポート(&amp;I)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Search For Help On...</source>
        <translation>ヘルプを検索(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>バージョン情報(&amp;A) </translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>The pasted text was cut to %1 of its %2 characters: a comment holds %3</source>
        <translation>貼り付けたテキストは %2 文字中 %1 文字に切り詰められました: コメントは %3 文字までです</translation>
    </message>
    <message>
        <source>&amp;Timeline...</source>
        <translation>タイムライン(&amp;T)...</translation>
    </message>
    <message>
        <source>R&amp;ates...</source>
        <translation>料金(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>tw::frmPreferences</name>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;Minutes without input that count as time away (0: off):</source>
        <translation>離席とみなす入力のない分数(&amp;M) (0: オフ):</translation>
    </message>
    <message>
        <source>&amp;Hours a stretch runs before a reminder (0: off):</source>
        <translation>リマインダーまでの区間の時間数(&amp;H) (0: オフ):</translation>
    </message>
    <message>
        <source>&amp;Data folder:</source>
        <translation>データフォルダー(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>選択(&amp;C)...</translation>
    </message>
    <message>
        <source>Choose the data folder</source>
        <translation>データフォルダーを選択</translation>
    </message>
    <message>
        <source>This folder is &amp;shared with other machines</source>
        <translation>このフォルダーを他のマシンと共有(&amp;S)</translation>
    </message>
    <message>
        <source>This machine&apos;s &amp;name there:</source>
        <translation>そこでのこのマシンの名前(&amp;N):</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>データフォルダー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>This machine keeps its records in the shared folder under this name, which other machines&apos; edits name, so it cannot change.</source>
        <translation>このマシンは共有フォルダーにこの名前で記録を保存しており、他のマシンの編集がこの名前を参照するため、変更できません。</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectList</name>
    <message>
        <source>Project List</source>
        <translation>プロジェクト一覧</translation>
    </message>
    <message>
        <source>Add or delete projects in the text box below. Hit &lt;enter&gt; at the end of each project.</source>
        <translation>下のテキストボックスでプロジェクトを追加・削除します。各プロジェクトの最後で &lt;Enter&gt; を押してください。</translation>
    </message>
    <message>
        <source>Projects, one per line</source>
        <translation>プロジェクト (1 行に 1 つ)</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>保存(&amp;V)</translation>
    </message>
    <message>
        <source>Save your project list</source>
        <translation>プロジェクト一覧を保存</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Project Se&amp;ttings...</source>
        <translation>プロジェクト設定(&amp;T)...</translation>
    </message>
    <message>
        <source>The rates, budgets and billing of the project on the cursor&apos;s line</source>
        <translation>カーソル行のプロジェクトの料金、予算、請求</translation>
    </message>
</context>
<context>
    <name>tw::frmProjectSettings</name>
    <message>
        <source>Project Settings</source>
        <translation>プロジェクト設定</translation>
    </message>
    <message>
        <source>The rates could not be read: %1. What you save is added to them.</source>
        <translation>料金を読み込めませんでした: %1。保存する内容はそれに追加されます。</translation>
    </message>
    <message>
        <source>&amp;Project:</source>
        <translation>プロジェクト(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Billable: its work is charged for</source>
        <translation>請求対象(&amp;B): 作業を請求します</translation>
    </message>
    <message>
        <source>Hourly &amp;rates, each from the day it takes effect:</source>
        <translation>時間単価(&amp;R) (それぞれ適用開始日から):</translation>
    </message>
    <message>
        <source>From (YYYY-MM-DD)</source>
        <translation>開始日 (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>Per hour</source>
        <translation>1 時間あたり</translation>
    </message>
    <message>
        <source>&amp;Add Rate</source>
        <translation>料金を追加(&amp;A)</translation>
    </message>
    <message>
        <source>A new rate from today</source>
        <translation>今日からの新しい料金</translation>
    </message>
    <message>
        <source>Re&amp;move Rate</source>
        <translation>料金を削除(&amp;M)</translation>
    </message>
    <message>
        <source>Take the chosen rate back</source>
        <translation>選んだ料金を取り消す</translation>
    </message>
    <message>
        <source>Budget (empty: none):</source>
        <translation>予算 (空欄: なし):</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>In &amp;all:</source>
        <translation>全体(&amp;A):</translation>
    </message>
    <message>
        <source>Each mon&amp;th:</source>
        <translation>毎月(&amp;T):</translation>
    </message>
    <message>
        <source>&amp;Currency of every project:</source>
        <translation>全プロジェクトの通貨(&amp;C):</translation>
    </message>
    <message>
        <source>A code like EUR, or a short text of up to 8 characters</source>
        <translation>EUR のようなコード、または 8 文字以内の短いテキスト</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Save the changes to %1&apos;s settings?</source>
        <translation>%1 の設定の変更を保存しますか?</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.</source>
        <translation>設定を保存できませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>tw::frmReport</name>
    <message>
        <source>View Previous Day</source>
        <translation>前の日を表示</translation>
    </message>
    <message>
        <source>Previous Day</source>
        <translation>前の日</translation>
    </message>
    <message>
        <source>View Today</source>
        <translation>今日を表示</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>View Next Day</source>
        <translation>次の日を表示</translation>
    </message>
    <message>
        <source>Next Day</source>
        <translation>次の日</translation>
    </message>
    <message>
        <source>&amp;Edit Entry...</source>
        <translation>項目を編集(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit the chosen entry</source>
        <translation>選んだ項目を編集</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Entries of the day</source>
        <translation>その日の項目</translation>
    </message>
    <message>
        <source>Enter or a double click opens an entry in the editor</source>
        <translation>Enter またはダブルクリックで項目を編集画面で開きます</translation>
    </message>
    <message>
        <source>Total time, %1</source>
        <translation>合計時間、%1</translation>
    </message>
</context>
<context>
    <name>tw::frmReportEdit</name>
    <message>
        <source>Report Edit</source>
        <translation>レポートの編集</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Project Start Time</source>
        <translation>プロジェクト開始時刻</translation>
    </message>
    <message>
        <source>Project End Time</source>
        <translation>プロジェクト終了時刻</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
</context>
<context>
    <name>tw::frmSplash</name>
    <message>
        <source>95/98/NT Platform</source>
        <translation>95/98/NT プラットフォーム</translation>
    </message>
    <message>
        <source>Track your projects and keep your projects on track.</source>
        <translation>プロジェクトを記録して、順調に進めましょう。</translation>
    </message>
</context>
<context>
    <name>tw::frmSummary</name>
    <message>
        <source>CSV, per project</source>
        <translation>CSV (プロジェクト別)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>CSV, per day</source>
        <translation>CSV (日別)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON ファイル (*.json)</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar ファイル (*.ics)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>This Week</source>
        <translation>今週</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>先週</translation>
    </message>
    <message>
        <source>This Month</source>
        <translation>今月</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>今年</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>5 minutes</source>
        <translation>5 分</translation>
    </message>
    <message>
        <source>6 minutes</source>
        <translation>6 分</translation>
    </message>
    <message>
        <source>10 minutes</source>
        <translation>10 分</translation>
    </message>
    <message>
        <source>15 minutes</source>
        <translation>15 分</translation>
    </message>
    <message>
        <source>30 minutes</source>
        <translation>30 分</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>集計</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>期間:</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>開始:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>終了:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>Show the period before this one</source>
        <translation>前の期間を表示</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Show the period after this one</source>
        <translation>次の期間を表示</translation>
    </message>
    <message>
        <source>Rounding:</source>
        <translation>丸め:</translation>
    </message>
    <message>
        <source>Round each stretch to the nearest multiple, halves up, before adding</source>
        <translation>合計する前に各区間を最も近い倍数に丸めます (半分は切り上げ)</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>プロジェクト</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>割合</translation>
    </message>
    <message>
        <source>Stretches</source>
        <translation>区間数</translation>
    </message>
    <message>
        <source>Totals per project</source>
        <translation>プロジェクト別の合計</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Double-click a day to open its daily report</source>
        <translation>日をダブルクリックするとその日のレポートを開きます</translation>
    </message>
    <message>
        <source>Totals per day</source>
        <translation>日別の合計</translation>
    </message>
    <message>
        <source>Enter or a double click opens the day&apos;s report</source>
        <translation>Enter またはダブルクリックでその日のレポートを開きます</translation>
    </message>
    <message>
        <source>Double-click a day&apos;s bar to open its daily report</source>
        <translation>日の棒をダブルクリックするとその日のレポートを開きます</translation>
    </message>
    <message>
        <source>Chart of the period</source>
        <translation>期間のグラフ</translation>
    </message>
    <message>
        <source>The same totals as the tables Totals per project and Totals per day</source>
        <translation>表「プロジェクト別の合計」と「日別の合計」と同じ合計</translation>
    </message>
    <message>
        <source>Export:</source>
        <translation>エクスポート:</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>コピー(&amp;O)</translation>
    </message>
    <message>
        <source>Copy the period to the clipboard in the chosen form</source>
        <translation>選んだ形式で期間をクリップボードにコピー</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>エクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the period to a file in the chosen form</source>
        <translation>選んだ形式で期間をファイルに保存</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Export Summary</source>
        <translation>集計のエクスポート</translation>
    </message>
    <message>
        <source>The summary could not be saved in %1: %2</source>
        <translation>集計を %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>CSV, per tag</source>
        <translation>CSV (タグ別)</translation>
    </message>
    <message>
        <source>Invoice lines (CSV)</source>
        <translation>請求明細 (CSV)</translation>
    </message>
    <message>
        <source>What is billed; for work not billable alone, in brackets, what it is worth at its rates</source>
        <translation>請求額。請求対象外のみの作業は、括弧内に料金換算の額</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>金額</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>A stretch counts under each of its tags (#words of its comment)</source>
        <translation>区間は各タグ (コメント中の #語) ごとに数えます</translation>
    </message>
    <message>
        <source>Totals per tag</source>
        <translation>タグ別の合計</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>使用</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Each project&apos;s budget (Report &gt; Rates... sets them): its whole life, or the month</source>
        <translation>各プロジェクトの予算 ([レポート] &gt; [料金...] で設定): 全期間または月ごと</translation>
    </message>
    <message>
        <source>Budgets</source>
        <translation>予算</translation>
    </message>
    <message>
        <source>Pro&amp;ject:</source>
        <translation>プロジェクト(&amp;J):</translation>
    </message>
    <message>
        <source>Only the stretches of one project</source>
        <translation>1 つのプロジェクトの区間のみ</translation>
    </message>
    <message>
        <source>Only ta&amp;gged:</source>
        <translation>タグ付きのみ(&amp;G):</translation>
    </message>
    <message>
        <source>Only the stretches holding every tag ticked</source>
        <translation>チェックしたすべてのタグを含む区間のみ</translation>
    </message>
    <message>
        <source>Amount (%1)</source>
        <translation>金額 (%1)</translation>
    </message>
    <message>
        <source>All projects</source>
        <translation>すべてのプロジェクト</translation>
    </message>
    <message>
        <source>Only tagged</source>
        <translation>タグ付きのみ</translation>
    </message>
</context>
<context>
    <name>tw::frmTimeline</name>
    <message>
        <source>Drag a stretch to move it, an edge to change its start or end, free time to add one (Shift snaps to 5 minutes, Ctrl to 15). Alt+arrows change the selected one; Enter saves.</source>
        <translation>区間をドラッグで移動、端をドラッグで開始・終了を変更、空き時間をドラッグで追加します (Shift で 5 分、Ctrl で 15 分単位)。Alt+矢印キーで選択中の区間を変更、Enter で保存します。</translation>
    </message>
    <message>
        <source>Timeline</source>
        <translation>タイムライン</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>前へ(&amp;P)</translation>
    </message>
    <message>
        <source>Show the day or week before</source>
        <translation>前の日または週を表示</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>今日(&amp;T)</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>今日を表示</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>次へ(&amp;N)</translation>
    </message>
    <message>
        <source>Show the day or week after</source>
        <translation>次の日または週を表示</translation>
    </message>
    <message>
        <source>The day shown, or a day of the week shown</source>
        <translation>表示中の日、または表示中の週の日</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>週</translation>
    </message>
    <message>
        <source>The step a dragged or moved time keeps to</source>
        <translation>ドラッグや移動で時刻がそろう間隔</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>追加(&amp;A)...</translation>
    </message>
    <message>
        <source>Add a stretch in the selected free time</source>
        <translation>選択した空き時間に区間を追加</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日付(&amp;D):</translation>
    </message>
    <message>
        <source>Sho&amp;w:</source>
        <translation>表示(&amp;W):</translation>
    </message>
    <message>
        <source>&amp;Snap:</source>
        <translation>間隔(&amp;S):</translation>
    </message>
    <message>
        <source>The report could not be read: %1</source>
        <translation>レポートを読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Week: %1</source>
        <translation>週: %1</translation>
    </message>
    <message>
        <source>Day: %1</source>
        <translation>日: %1</translation>
    </message>
    <message>
        <source>The week&apos;s total, as tallywright-report --week gives it</source>
        <translation>tallywright-report --week と同じ週の合計</translation>
    </message>
    <message>
        <source>The day&apos;s total, as the daily report gives it</source>
        <translation>日次レポートと同じ日の合計</translation>
    </message>
    <message>
        <source>Week of %1 to %2, %3 recorded</source>
        <translation>%1 から %2 の週、記録 %3</translation>
    </message>
    <message>
        <source>%1, %2 recorded</source>
        <translation>%1、記録 %2</translation>
    </message>
    <message>
        <source>Delete this stretch?

%1</source>
        <translation>この区間を削除しますか?

%1</translation>
    </message>
    <message>
        <source>Delete Stretch</source>
        <translation>区間の削除</translation>
    </message>
    <message>
        <source>The running stretch is changed in the main window. Here its start can be dragged, or moved with Alt+Up and Alt+Down and saved with Enter.</source>
        <translation>実行中の区間はメインウィンドウで変更します。ここでは開始をドラッグするか、Alt+上/Alt+下で移動して Enter で保存できます。</translation>
    </message>
</context>
<context>
    <name>tw::frmTimelineAdd</name>
    <message>
        <source>Add Stretch</source>
        <translation>区間の追加</translation>
    </message>
    <message>
        <source>&amp;Project</source>
        <translation>プロジェクト(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Start Time</source>
        <translation>開始時刻(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;End Time</source>
        <translation>終了時刻(&amp;E)</translation>
    </message>
    <message>
        <source>C&amp;omment</source>
        <translation>コメント(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add the stretch to the report</source>
        <translation>区間をレポートに追加</translation>
    </message>
</context>
</TS>
