<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>The Driver developers</source>
        <translation>Driver 开发团队</translation>
    </message>
    <message>
        <source>Store:</source>
        <translation>商店：</translation>
    </message>
    <message>
        <source>Keyboards, switches and keycaps</source>
        <translation>键盘、轴体和键帽</translation>
    </message>
    <message>
        <source>Link:</source>
        <translation>链接：</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Download XML File Failed</source>
        <translation>下载 XML 文件失败</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File Open Failed.</source>
        <translation>文件打开失败。</translation>
    </message>
    <message>
        <source>These product pictures could not be downloaded: %1</source>
        <translation>以下商品图片未能下载：%1</translation>
    </message>
    <message>
        <source>No web shop is configured</source>
        <translation>未配置网上商店</translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Keyboard Backup</source>
        <translation>键盘备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Back Up Keyboard</source>
        <translation>备份键盘</translation>
    </message>
    <message>
        <source>Reading the keymaps, macros and settings of %1…</source>
        <translation>正在读取 %1 的配列、宏和设置…</translation>
    </message>
    <message>
        <source>Restore Keyboard</source>
        <translation>恢复键盘</translation>
    </message>
    <message>
        <source>Reading %1 to compare it with the backup…</source>
        <translation>正在读取 %1 以与备份比较…</translation>
    </message>
    <message>
        <source>Writing the backup to %1…</source>
        <translation>正在把备份写入 %1…</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>The keyboard could not be read: %1</source>
        <translation>无法读取键盘：%1</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation>已备份到 %1。</translation>
    </message>
    <message>
        <source>%1: saved.</source>
        <translation>%1：已保存。</translation>
    </message>
    <message>
        <source>The keyboard already holds this backup. Restore writes it again.</source>
        <translation>键盘上已经是这个备份的内容。恢复会再写入一次。</translation>
    </message>
    <message>
        <source>Restoring changes this on %1:</source>
        <translation>恢复会在 %1 上改变以下内容：</translation>
    </message>
    <message>
        <source>Reading %1 back to verify it…</source>
        <translation>正在读回 %1 以进行校验…</translation>
    </message>
    <message>
        <source>%1: not written; it is the keyboard&apos;s own.</source>
        <translation>%1：未写入；这是键盘自身的设置。</translation>
    </message>
    <message>
        <source>Restored and verified.</source>
        <translation>已恢复并校验。</translation>
    </message>
    <message>
        <source>%1 of %2 parts were restored and verified.</source>
        <translation>%2 个部分中有 %1 个已恢复并校验。</translation>
    </message>
    <message>
        <source>Undo restore</source>
        <translation>撤销恢复</translation>
    </message>
    <message>
        <source>Nothing was written: what the keyboard holds could not be saved first. %1</source>
        <translation>未写入任何内容：无法先保存键盘当前的内容。%1</translation>
    </message>
    <message>
        <source>What the keyboard held before is saved in %1.</source>
        <translation>键盘之前的内容已保存在 %1。</translation>
    </message>
    <message>
        <source>Writing back what the keyboard held before, from %1.</source>
        <translation>正在从 %1 写回键盘之前的内容。</translation>
    </message>
    <message>
        <source>The restore stopped: %1</source>
        <translation>恢复已停止：%1</translation>
    </message>
    <message>
        <source>Backed up to %1, the file the link %2 points to.</source>
        <translation>已备份到 %1，即链接 %2 所指向的文件。</translation>
    </message>
</context>
<context>
    <name>BackupFile</name>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>文件不是有效的 JSON（第 %2 字节处：%1）。</translation>
    </message>
    <message>
        <source>The file is not a keyboard backup.</source>
        <translation>文件不是键盘备份。</translation>
    </message>
    <message>
        <source>The file has no format version.</source>
        <translation>文件没有格式版本。</translation>
    </message>
    <message>
        <source>The file has format version %1; this program reads version %2.</source>
        <translation>文件的格式版本是 %1；本程序读取版本 %2。</translation>
    </message>
    <message>
        <source>The file names no keyboard model.</source>
        <translation>文件没有指明键盘型号。</translation>
    </message>
    <message>
        <source>The file has no keymap type from 0 to %1.</source>
        <translation>文件没有 0 到 %1 之间的配列类型。</translation>
    </message>
    <message>
        <source>The file&apos;s grid has no row count from 1 to %1.</source>
        <translation>文件的网格没有 1 到 %1 之间的行数。</translation>
    </message>
    <message>
        <source>The file&apos;s grid has no column count from 1 to %1.</source>
        <translation>文件的网格没有 1 到 %1 之间的列数。</translation>
    </message>
    <message>
        <source>The file does not hold the %1 keymaps.</source>
        <translation>文件不含全部 %1 个配列。</translation>
    </message>
    <message>
        <source>Keymap %1 does not hold %2 layers.</source>
        <translation>配列 %1 不含 %2 层。</translation>
    </message>
    <message>
        <source>Keymap %1, layer %2 is not %3 rows of %4 key codes from 0 to 65535.</source>
        <translation>配列 %1 的第 %2 层不是 %3 行、每行 %4 个 0 到 65535 之间的键码。</translation>
    </message>
    <message>
        <source>The file holds %1 macros instead of %2.</source>
        <translation>文件含有 %1 个宏，而不是 %2 个。</translation>
    </message>
    <message>
        <source>The settings are incomplete or out of range.</source>
        <translation>设置不完整或超出范围。</translation>
    </message>
    <message>
        <source>The macros are not numbered 1 to %1, each once with at most %2 actions.</source>
        <translation>宏的编号不是 1 到 %1 各一次，或某个宏超过 %2 个动作。</translation>
    </message>
    <message>
        <source>Macro %1, action %2 is not a key, a pause or a stored word within range.</source>
        <translation>宏 %1 的动作 %2 不是范围内的按键、延时或存储字。</translation>
    </message>
    <message>
        <source>It could not be restored, so it was not saved: %1</source>
        <translation>该备份无法恢复，因此未保存：%1</translation>
    </message>
</context>
<context>
    <name>BackupJob</name>
    <message>
        <source>The keyboard&apos;s answer for %1 is incomplete.</source>
        <translation>键盘对%1的应答不完整。</translation>
    </message>
    <message>
        <source>the keyboard did not answer.</source>
        <translation>键盘没有应答。</translation>
    </message>
    <message>
        <source>the keyboard was unplugged.</source>
        <translation>键盘已拔出。</translation>
    </message>
    <message>
        <source>the keyboard cannot be reached.</source>
        <translation>无法连接键盘。</translation>
    </message>
    <message>
        <source>The backup&apos;s key grid is not the keyboard&apos;s.</source>
        <translation>备份的按键网格与键盘不符。</translation>
    </message>
    <message>
        <source>%1 is too large for the keyboard.</source>
        <translation>%1 对键盘来说太大。</translation>
    </message>
    <message>
        <source>%1: now holds the backup&apos;s.</source>
        <translation>%1：现在是备份中的内容。</translation>
    </message>
    <message>
        <source>%1: %2 now hold the backup&apos;s; the others are unchanged.</source>
        <translation>%1：%2 现在是备份中的内容；其余未改变。</translation>
    </message>
    <message>
        <source>%1: unchanged.</source>
        <translation>%1：未改变。</translation>
    </message>
    <message>
        <source>%1: number %2 may be half written.</source>
        <translation>%1：第 %2 个可能只写入了一半。</translation>
    </message>
    <message>
        <source>%1: may be half written.</source>
        <translation>%1：可能只写入了一半。</translation>
    </message>
</context>
<context>
    <name>ChartCommands</name>
    <message>
        <source>Save Chart as PDF, PNG or SVG...</source>
        <translation>将键位图保存为 PDF、PNG 或 SVG...</translation>
    </message>
    <message>
        <source>Print Chart...</source>
        <translation>打印键位图...</translation>
    </message>
    <message>
        <source>Save Layer Chart</source>
        <translation>保存键位图</translation>
    </message>
    <message>
        <source>PDF, one layer a page (*.pdf);;PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PDF，每层一页 (*.pdf);;PNG 图片 (*.png);;SVG 图片 (*.svg)</translation>
    </message>
    <message>
        <source>The layer chart was saved to %1.</source>
        <translation>键位图已保存到 %1。</translation>
    </message>
    <message>
        <source>The layer chart could not be saved: %1</source>
        <translation>无法保存键位图：%1</translation>
    </message>
    <message>
        <source>Print Layer Chart</source>
        <translation>打印键位图</translation>
    </message>
    <message>
        <source>The layer chart went to the printer.</source>
        <translation>键位图已发送到打印机。</translation>
    </message>
    <message>
        <source>The layer chart could not be printed.</source>
        <translation>无法打印键位图。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Backs up and restores a whole NOVA keyboard: its four keymaps, its 32 macros and its settings.</source>
        <translation>备份和恢复整个 NOVA 键盘：四个配列、32 个宏和各项设置。</translation>
    </message>
    <message>
        <source>Lists the plugged keyboards, one per line.</source>
        <translation>列出已连接的键盘，每行一个。</translation>
    </message>
    <message>
        <source>Reads the whole keyboard into &lt;file&gt;.</source>
        <translation>把整个键盘读取到 &lt;file&gt;。</translation>
    </message>
    <message>
        <source>Writes &lt;file&gt; to the keyboard, reads it back and verifies it.</source>
        <translation>把 &lt;file&gt; 写入键盘，再读回并校验。</translation>
    </message>
    <message>
        <source>The keyboard to use when several are plugged.</source>
        <translation>连接了多个键盘时要使用的键盘。</translation>
    </message>
    <message>
        <source>The folder whose config/ holds the device index and layouts (default: the current folder).</source>
        <translation>其 config/ 中存放设备索引和布局的文件夹（默认：当前文件夹）。</translation>
    </message>
    <message>
        <source>driver: the device index %1 cannot be read.</source>
        <translation>driver：无法读取设备索引 %1。</translation>
    </message>
    <message>
        <source>driver: no plugged keyboard is called %1 (see --list).</source>
        <translation>driver：没有名为 %1 的已连接键盘（见 --list）。</translation>
    </message>
    <message>
        <source>driver: no keyboard is plugged in.</source>
        <translation>driver：没有连接键盘。</translation>
    </message>
    <message>
        <source>driver: several keyboards are plugged in (%1); choose one with --model.</source>
        <translation>driver：连接了多个键盘（%1）；请用 --model 选择一个。</translation>
    </message>
    <message>
        <source>driver: %1: %2</source>
        <translation>driver：%1：%2</translation>
    </message>
    <message>
        <source>driver: %1 may not be opened by this user (%2: %3).</source>
        <translation>driver：此用户无权打开 %1（%2：%3）。</translation>
    </message>
    <message>
        <source>driver: %1 could not be opened.</source>
        <translation>driver：无法打开 %1。</translation>
    </message>
    <message>
        <source>driver: the layout %1 is missing or unusable.</source>
        <translation>driver：布局 %1 缺失或不可用。</translation>
    </message>
    <message>
        <source>driver: %1 holds a backup of %2 with keymap type %3; the keyboard is %4 with keymap type %5. Nothing was written.</source>
        <translation>driver：%1 是 %2（配列类型 %3）的备份；键盘是 %4（配列类型 %5）。没有写入任何内容。</translation>
    </message>
    <message>
        <source>driver: the backup failed: %1</source>
        <translation>driver：备份失败：%1</translation>
    </message>
    <message>
        <source>driver: %1 could not be written: %2</source>
        <translation>driver：无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 backed up to %2.</source>
        <translation>%1 已备份到 %2。</translation>
    </message>
    <message>
        <source>driver: the keyboard could not be read back: %1</source>
        <translation>driver：无法读回键盘：%1</translation>
    </message>
    <message>
        <source>%1: NOT restored.</source>
        <translation>%1：未恢复。</translation>
    </message>
    <message>
        <source>driver: not restored: %1.</source>
        <translation>driver：未恢复：%1。</translation>
    </message>
    <message>
        <source>%1 backed up to %2, the file the link %3 points to.</source>
        <translation>%1 已备份到 %2，即链接 %3 所指向的文件。</translation>
    </message>
    <message>
        <source>driver: the keyboard could not be read before the restore: %1 Nothing was written.</source>
        <translation>driver：恢复前无法读取键盘：%1 未写入任何内容。</translation>
    </message>
    <message>
        <source>driver: what the keyboard holds could not be saved first, so nothing was written: %1</source>
        <translation>driver：无法先保存键盘当前的内容，因此未写入任何内容：%1</translation>
    </message>
    <message>
        <source>What the keyboard held before is saved in %1.</source>
        <translation>键盘之前的内容已保存在 %1。</translation>
    </message>
    <message>
        <source>driver: to undo the restore: driver --restore %1</source>
        <translation>driver：撤销此次恢复：driver --restore %1</translation>
    </message>
    <message>
        <source>it was interrupted.</source>
        <translation>已被中断。</translation>
    </message>
    <message>
        <source>driver: the restore stopped: %1</source>
        <translation>driver：恢复已停止：%1</translation>
    </message>
    <message>
        <source>Exit status:
  0    done
  1    the device index or the keyboard&apos;s layout cannot be read, or a file cannot be written
  2    usage error: an unknown or repeated option, a missing value, more or less than one action, or several keyboards and no --model
  3    no keyboard (or not the one named) is plugged in, or it may not be opened
  4    the backup file is missing, broken or not of this keyboard; nothing was written
  5    the keyboard did not answer or went away
  6    a part was not restored: the keyboard refused it or holds something else
  130, 143  a restore was stopped by SIGINT or SIGTERM</source>
        <translation>退出状态：
  0    完成
  1    无法读取设备索引或键盘的布局，或无法写入文件
  2    用法错误：未知或重复的选项、缺少值、不是恰好一个操作，或连接了多个键盘却没有 --model
  3    没有连接键盘（或没有所指定的键盘），或无权打开它
  4    备份文件缺失、损坏或不属于此键盘；未写入任何内容
  5    键盘没有应答或已断开
  6    某部分未恢复：键盘拒绝了它，或其中保存的是别的内容
  130, 143  恢复被 SIGINT 或 SIGTERM 中止</translation>
    </message>
    <message>
        <source>With --list or --backup: prints one JSON document instead of lines of text.</source>
        <translation>与 --list 或 --backup 一起使用：输出一个 JSON 文档，而不是文本行。</translation>
    </message>
    <message>
        <source>Prints the program&apos;s debug lines on stderr.</source>
        <translation>在标准错误上输出程序的调试信息。</translation>
    </message>
    <message>
        <source>driver: %1 (see --help).</source>
        <translation>driver：%1（见 --help）。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 给出了不止一次</translation>
    </message>
    <message>
        <source>--%1 needs a %2, not &apos;%3&apos;</source>
        <translation>--%1 需要一个 %2，而不是“%3”</translation>
    </message>
    <message>
        <source>give one of --list, --backup FILE or --restore FILE</source>
        <translation>请给出 --list、--backup 文件 或 --restore 文件 之一</translation>
    </message>
    <message>
        <source>--json goes with --list or --backup</source>
        <translation>--json 只能与 --list 或 --backup 一起使用</translation>
    </message>
</context>
<context>
    <name>DeviceManager</name>
    <message>
        <source>Device Manager</source>
        <translation>设备管理器</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Can&apos;t Find Device???</source>
        <translation>找不到设备？？？</translation>
    </message>
    <message>
        <source>Can&apos;t Open Device???</source>
        <translation>无法打开设备？？？</translation>
    </message>
    <message>
        <source>Keymap Ver:</source>
        <translation>配列版本:</translation>
    </message>
    <message>
        <source>Can&apos;t Find Device?</source>
        <translation>找不到设备？</translation>
    </message>
    <message>
        <source>First, Ensure your PC can reach internet so that it can update the latest keymap file automatically. If keymap file cannot be updated automatically, please contact the seller to update manually.</source>
        <translation>首先，请确保电脑能够连接互联网，以便自动更新到最新的配列文件。如果配列文件无法自动更新，请联系卖家手动更新。</translation>
    </message>
    <message>
        <source>Can&apos;t Open Device?</source>
        <translation>无法打开设备？</translation>
    </message>
    <message>
        <source>First, Ensure your keyboard connect to PC via wire and it can type words.If still not work,open Control Pannel-&gt;Find Devices and Printers,then remove keyboard device and replug keyboard cable,it will work.Good Luck!</source>
        <translation>首先，请确保键盘已通过数据线连接到电脑，并且能够正常打字。如果仍然无法使用，请打开“控制面板-&gt;设备和打印机”，删除该键盘设备，然后重新插拔键盘线，即可恢复正常。祝你好运！</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>File Open Failed.</source>
        <translation>文件打开失败。</translation>
    </message>
    <message>
        <source>Download Keymap Json File Failed.</source>
        <translation>下载配列 Json 文件失败。</translation>
    </message>
    <message>
        <source>Save Keymap Json File Failed.</source>
        <translation>保存配列 Json 文件失败。</translation>
    </message>
    <message numerus="yes">
        <source>%n keyboard(s) found (looked at %1).</source>
        <translation>
            <numerusform>找到 %n 个键盘（查找于 %1）。</numerusform>
        </translation>
    </message>
    <message>
        <source>First, make sure the keyboard is connected by its cable and types in other programs. If it still cannot be opened, this user may not open its device node (/dev/hidraw*).</source>
        <translation>首先，请确认键盘已用数据线连接，并且能在其他程序中打字。如果仍然无法打开，可能是当前用户无权打开它的设备节点（/dev/hidraw*）。</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>正在检查更新…</translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation>更新失败：%1</translation>
    </message>
    <message>
        <source>the server&apos;s version text is unreadable</source>
        <translation>服务器的版本文本无法读取</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>已是最新</translation>
    </message>
    <message>
        <source>the server&apos;s device index is unusable</source>
        <translation>服务器的设备索引不可用</translation>
    </message>
    <message>
        <source>the files in the config folder cannot be written</source>
        <translation>无法写入 config 文件夹中的文件</translation>
    </message>
    <message>
        <source>Updated to version %1; press Refresh to use it</source>
        <translation>已更新到版本 %1；按“刷新”即可使用</translation>
    </message>
    <message>
        <source>the layout %1 from the server is unusable</source>
        <translation>服务器上的配列 %1 不可用</translation>
    </message>
    <message>
        <source>Keymap type:</source>
        <translation>配列类型：</translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation>%1（序列号 %2）</translation>
    </message>
    <message>
        <source>%1 (USB port %2)</source>
        <translation>%1（USB 端口 %2）</translation>
    </message>
    <message>
        <source>%1 (keyboard %2)</source>
        <translation>%1（键盘 %2）</translation>
    </message>
    <message>
        <source>Plugged in</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>No keyboard is plugged in</source>
        <translation>未连接键盘</translation>
    </message>
    <message>
        <source>No keyboard found (looked at %1). Demo works without one: choose a model under &quot;Demo&quot; and press &quot;Demo&quot;.</source>
        <translation>未找到键盘（查找于 %1）。没有键盘也能使用演示：在“演示”下选择一个型号，然后按“演示”。</translation>
    </message>
    <message>
        <source>Keyboards that are plugged in report their own keymap type.</source>
        <translation>已连接的键盘会报告自己的配列类型。</translation>
    </message>
    <message>
        <source>Only demo models with keymap types offer a choice here.</source>
        <translation>只有带配列类型的演示型号才能在这里选择。</translation>
    </message>
    <message>
        <source>The keymap type the demo shows.</source>
        <translation>演示所显示的配列类型。</translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>the server did not answer in time</source>
        <translation>服务器未及时响应</translation>
    </message>
    <message>
        <source>the server sent more than expected</source>
        <translation>服务器发送的数据超出预期</translation>
    </message>
    <message>
        <source>the server sent a compressed reply</source>
        <translation>服务器发送了压缩的回复</translation>
    </message>
    <message>
        <source>the server answered with status %1</source>
        <translation>服务器返回状态 %1</translation>
    </message>
    <message>
        <source>No download server is configured</source>
        <translation>未配置下载服务器</translation>
    </message>
</context>
<context>
    <name>FileSaver</name>
    <message>
        <source>%1 The file that was there is unchanged.</source>
        <translation>%1 原有文件未改变。</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation>无法保存 %1：%2。</translation>
    </message>
    <message>
        <source>%1 is not a regular file; nothing was saved in its place.</source>
        <translation>%1 不是普通文件；未在该位置保存任何内容。</translation>
    </message>
    <message>
        <source>%1 could not be saved: what was written does not read back the same.</source>
        <translation>无法保存 %1：写入的内容读回后不一致。</translation>
    </message>
    <message>
        <source>%1 belongs to another user or group, and a saved copy could not keep that owner: %2.</source>
        <translation>%1 属于其他用户或组，保存的文件无法保留该所有者：%2。</translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist; nothing was saved.</source>
        <translation>%1 是指向 %2 的链接，而该文件不存在；未保存任何内容。</translation>
    </message>
    <message>
        <source>%1 was saved, but it does not read back the same; the disk may be failing.</source>
        <translation>%1 已保存，但读回的内容不一致；磁盘可能有故障。</translation>
    </message>
</context>
<context>
    <name>GeneralConfigDialog</name>
    <message>
        <source>My Keyboard</source>
        <translation>我的键盘</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Indicator</source>
        <translation>指示灯</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>隐藏设置</translation>
    </message>
    <message>
        <source>Keyboard SN</source>
        <translation>键盘序列号</translation>
    </message>
    <message>
        <source>Read Keyboard SN</source>
        <translation>读取键盘序列号</translation>
    </message>
    <message>
        <source>Read Ble SN</source>
        <translation>读取蓝牙序列号</translation>
    </message>
    <message>
        <source>Keyboard Firmware Version</source>
        <translation>键盘固件版本</translation>
    </message>
    <message>
        <source>Read Keyboard Version</source>
        <translation>读取键盘版本</translation>
    </message>
    <message>
        <source>Read Latest Version</source>
        <translation>读取最新版本</translation>
    </message>
    <message>
        <source>Keyboard Bluetooth Firmware Version</source>
        <translation>键盘蓝牙固件版本</translation>
    </message>
    <message>
        <source>Read Bluetooth Version</source>
        <translation>读取蓝牙版本</translation>
    </message>
    <message>
        <source>NKRO Setting (Restart Needed)</source>
        <translation>全键无冲设置（需重启键盘）</translation>
    </message>
    <message>
        <source>6KRO</source>
        <translation>6KRO</translation>
    </message>
    <message>
        <source>NKRO</source>
        <translation>NKRO</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Inactive Sleep Time</source>
        <translation>无操作休眠时间</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Wakeup Mode</source>
        <translation>唤醒方式</translation>
    </message>
    <message>
        <source>Esc Only</source>
        <translation>仅 Esc 键</translation>
    </message>
    <message>
        <source>All Key</source>
        <translation>任意键</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>CapsLockLed</source>
        <translation>大写锁定灯</translation>
    </message>
    <message>
        <source>ScrollLockLed</source>
        <translation>滚动锁定灯</translation>
    </message>
    <message>
        <source>NumLockLed</source>
        <translation>数字锁定灯</translation>
    </message>
    <message>
        <source>Layer 1</source>
        <translation>第 1 层</translation>
    </message>
    <message>
        <source>Layer 2</source>
        <translation>第 2 层</translation>
    </message>
    <message>
        <source>Layer 3</source>
        <translation>第 3 层</translation>
    </message>
    <message>
        <source>Layer 4</source>
        <translation>第 4 层</translation>
    </message>
    <message>
        <source>Keymap 1</source>
        <translation>键位 1</translation>
    </message>
    <message>
        <source>Keymap 2</source>
        <translation>键位 2</translation>
    </message>
    <message>
        <source>Keymap 3</source>
        <translation>键位 3</translation>
    </message>
    <message>
        <source>Keymap 4</source>
        <translation>键位 4</translation>
    </message>
    <message>
        <source>Ble 1</source>
        <translation>蓝牙 1</translation>
    </message>
    <message>
        <source>Ble 2</source>
        <translation>蓝牙 2</translation>
    </message>
    <message>
        <source>Ble 3</source>
        <translation>蓝牙 3</translation>
    </message>
    <message>
        <source>2.4G</source>
        <translation>2.4G</translation>
    </message>
    <message>
        <source>Unifying 1</source>
        <translation>优联 1</translation>
    </message>
    <message>
        <source>Unifying 2</source>
        <translation>优联 2</translation>
    </message>
    <message>
        <source>Unifying 3</source>
        <translation>优联 3</translation>
    </message>
    <message>
        <source>No keyboard layout is loaded.</source>
        <translation>未加载键盘布局。</translation>
    </message>
    <message>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>No firmware information address is known for this keyboard.</source>
        <translation>此键盘没有固件信息地址。</translation>
    </message>
    <message>
        <source>The firmware information address is not a web address: %1</source>
        <translation>固件信息地址不是网址：%1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Fail to Load Firmware Info</source>
        <translation>加载固件信息失败</translation>
    </message>
    <message>
        <source>The server did not answer in time: %1</source>
        <translation>服务器未及时响应：%1</translation>
    </message>
    <message>
        <source>Fail to Get Keyboard Version</source>
        <translation>获取键盘版本失败</translation>
    </message>
    <message>
        <source>Ver: </source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Keys outlined in blue have an indicator LED: choose one, then its function below.</source>
        <translation>蓝色框出的按键带有指示灯：先选中其中一个，再在下方选择它的功能。</translation>
    </message>
    <message>
        <source>无线功能管理</source>
        <translation>无线功能管理</translation>
    </message>
    <message>
        <source>不启用</source>
        <translation>不启用</translation>
    </message>
    <message>
        <source>ZRF 2.4G模块</source>
        <translation>ZRF 2.4G模块</translation>
    </message>
    <message>
        <source>蓝牙模块</source>
        <translation>蓝牙模块</translation>
    </message>
    <message>
        <source>设置无线功能</source>
        <translation>设置无线功能</translation>
    </message>
    <message>
        <source>读取无线功能</source>
        <translation>读取无线功能</translation>
    </message>
    <message>
        <source>配列类型管理</source>
        <translation>配列类型管理</translation>
    </message>
    <message>
        <source>40 常规配列 | 60 Poker配列</source>
        <translation>40 常规配列 | 60 Poker配列</translation>
    </message>
    <message>
        <source>40 普朗克配列 | 64 非左移动配列</source>
        <translation>40 普朗克配列 | 64 非左移动配列</translation>
    </message>
    <message>
        <source>64 左移配列</source>
        <translation>64 左移配列</translation>
    </message>
    <message>
        <source>60 Minila配列</source>
        <translation>60 Minila配列</translation>
    </message>
    <message>
        <source>设置配列类型</source>
        <translation>设置配列类型</translation>
    </message>
    <message>
        <source>读取配列类型</source>
        <translation>读取配列类型</translation>
    </message>
    <message>
        <source>蓝牙优联模块</source>
        <translation>蓝牙优联模块</translation>
    </message>
    <message>
        <source>USB单模</source>
        <translation>USB单模</translation>
    </message>
    <message>
        <source>USB-BLE双模</source>
        <translation>USB-BLE双模</translation>
    </message>
    <message>
        <source>USB-BLE-ZRF三模</source>
        <translation>USB-BLE-ZRF三模</translation>
    </message>
    <message>
        <source>USB-BLE-LOGI三模</source>
        <translation>USB-BLE-LOGI三模</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
</context>
<context>
    <name>ILedAssignment</name>
    <message>
        <source>Set Current Led As Null Indicator</source>
        <translation>当前指示灯不指示任何状态</translation>
    </message>
    <message>
        <source>Set Current Led As CapsLock Indicator</source>
        <translation>当前指示灯用作大写锁定指示</translation>
    </message>
    <message>
        <source>Set Current Led As ScrollLock Indicator</source>
        <translation>当前指示灯用作滚动锁定指示</translation>
    </message>
    <message>
        <source>Set Current Led As NumLock Indicator</source>
        <translation>当前指示灯用作数字锁定指示</translation>
    </message>
    <message>
        <source>Set Current Led As Layer1 Indicator</source>
        <translation>当前指示灯用作第 1 层指示</translation>
    </message>
    <message>
        <source>Set Current Led As Layer2 Indicator</source>
        <translation>当前指示灯用作第 2 层指示</translation>
    </message>
    <message>
        <source>Set Current Led As Layer3 Indicator</source>
        <translation>当前指示灯用作第 3 层指示</translation>
    </message>
    <message>
        <source>Set Current Led As Layer4 Indicator</source>
        <translation>当前指示灯用作第 4 层指示</translation>
    </message>
    <message>
        <source>Set Current Led As Ble Device 1 Indicator</source>
        <translation>当前指示灯用作蓝牙设备 1 指示</translation>
    </message>
    <message>
        <source>Set Current Led As Ble Device 2 Indicator</source>
        <translation>当前指示灯用作蓝牙设备 2 指示</translation>
    </message>
    <message>
        <source>Set Current Led As Ble Device 3 Indicator</source>
        <translation>当前指示灯用作蓝牙设备 3 指示</translation>
    </message>
    <message>
        <source>Set Current Led As 2.4G Device Indicator</source>
        <translation>当前指示灯用作 2.4G 设备指示</translation>
    </message>
    <message>
        <source>Set Current Led As Unifying Device 1 Indicator</source>
        <translation>当前指示灯用作优联设备 1 指示</translation>
    </message>
    <message>
        <source>Set Current Led As Unifying Device 2 Indicator</source>
        <translation>当前指示灯用作优联设备 2 指示</translation>
    </message>
    <message>
        <source>Set Current Led As Unifying Device 3 Indicator</source>
        <translation>当前指示灯用作优联设备 3 指示</translation>
    </message>
    <message>
        <source>This key has an indicator LED: choose it, then its function below</source>
        <translation>此按键带有指示灯：先选中它，再在下方选择其功能</translation>
    </message>
</context>
<context>
    <name>KeyCap</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
</context>
<context>
    <name>KeyCodeBasicKeyPannel</name>
    <message>
        <source>Character</source>
        <translation>字母</translation>
    </message>
    <message>
        <source>Numeral</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>小键盘</translation>
    </message>
    <message>
        <source>System</source>
        <translation>系统</translation>
    </message>
</context>
<context>
    <name>KeyCodeCatalogue</name>
    <message>
        <source>空按键</source>
        <translation>空按键</translation>
    </message>
    <message>
        <source>字母A</source>
        <translation>字母A</translation>
    </message>
    <message>
        <source>字母B</source>
        <translation>字母B</translation>
    </message>
    <message>
        <source>字母C</source>
        <translation>字母C</translation>
    </message>
    <message>
        <source>字母D</source>
        <translation>字母D</translation>
    </message>
    <message>
        <source>字母E</source>
        <translation>字母E</translation>
    </message>
    <message>
        <source>字母F</source>
        <translation>字母F</translation>
    </message>
    <message>
        <source>字母G</source>
        <translation>字母G</translation>
    </message>
    <message>
        <source>字母H</source>
        <translation>字母H</translation>
    </message>
    <message>
        <source>字母I</source>
        <translation>字母I</translation>
    </message>
    <message>
        <source>字母J</source>
        <translation>字母J</translation>
    </message>
    <message>
        <source>字母K</source>
        <translation>字母K</translation>
    </message>
    <message>
        <source>字母L</source>
        <translation>字母L</translation>
    </message>
    <message>
        <source>字母M</source>
        <translation>字母M</translation>
    </message>
    <message>
        <source>字母N</source>
        <translation>字母N</translation>
    </message>
    <message>
        <source>字母O</source>
        <translation>字母O</translation>
    </message>
    <message>
        <source>字母P</source>
        <translation>字母P</translation>
    </message>
    <message>
        <source>字母Q</source>
        <translation>字母Q</translation>
    </message>
    <message>
        <source>字母R</source>
        <translation>字母R</translation>
    </message>
    <message>
        <source>字母S</source>
        <translation>字母S</translation>
    </message>
    <message>
        <source>字母T</source>
        <translation>字母T</translation>
    </message>
    <message>
        <source>字母U</source>
        <translation>字母U</translation>
    </message>
    <message>
        <source>字母V</source>
        <translation>字母V</translation>
    </message>
    <message>
        <source>字母W</source>
        <translation>字母W</translation>
    </message>
    <message>
        <source>字母X</source>
        <translation>字母X</translation>
    </message>
    <message>
        <source>字母Y</source>
        <translation>字母Y</translation>
    </message>
    <message>
        <source>字母Z</source>
        <translation>字母Z</translation>
    </message>
    <message>
        <source>数字1</source>
        <translation>数字1</translation>
    </message>
    <message>
        <source>数字2</source>
        <translation>数字2</translation>
    </message>
    <message>
        <source>数字3</source>
        <translation>数字3</translation>
    </message>
    <message>
        <source>数字4</source>
        <translation>数字4</translation>
    </message>
    <message>
        <source>数字5</source>
        <translation>数字5</translation>
    </message>
    <message>
        <source>数字6</source>
        <translation>数字6</translation>
    </message>
    <message>
        <source>数字7</source>
        <translation>数字7</translation>
    </message>
    <message>
        <source>数字8</source>
        <translation>数字8</translation>
    </message>
    <message>
        <source>数字9</source>
        <translation>数字9</translation>
    </message>
    <message>
        <source>数字0</source>
        <translation>数字0</translation>
    </message>
    <message>
        <source>回车键</source>
        <translation>回车键</translation>
    </message>
    <message>
        <source>退出键</source>
        <translation>退出键</translation>
    </message>
    <message>
        <source>退格键</source>
        <translation>退格键</translation>
    </message>
    <message>
        <source>跳格键</source>
        <translation>跳格键</translation>
    </message>
    <message>
        <source>空格键</source>
        <translation>空格键</translation>
    </message>
    <message>
        <source>破折号/减号</source>
        <translation>破折号/减号</translation>
    </message>
    <message>
        <source>加号/等号</source>
        <translation>加号/等号</translation>
    </message>
    <message>
        <source>左大括号/左中括号</source>
        <translation>左大括号/左中括号</translation>
    </message>
    <message>
        <source>右大括号/右中括号</source>
        <translation>右大括号/右中括号</translation>
    </message>
    <message>
        <source>竖线/右斜杠</source>
        <translation>竖线/右斜杠</translation>
    </message>
    <message>
        <source>冒号/分号</source>
        <translation>冒号/分号</translation>
    </message>
    <message>
        <source>双引号/单引号</source>
        <translation>双引号/单引号</translation>
    </message>
    <message>
        <source>波浪号/着重号</source>
        <translation>波浪号/着重号</translation>
    </message>
    <message>
        <source>左书名号/逗号</source>
        <translation>左书名号/逗号</translation>
    </message>
    <message>
        <source>右书名号/句号</source>
        <translation>右书名号/句号</translation>
    </message>
    <message>
        <source>问号/左斜杠</source>
        <translation>问号/左斜杠</translation>
    </message>
    <message>
        <source>大写锁定键</source>
        <translation>大写锁定键</translation>
    </message>
    <message>
        <source>功能键F1</source>
        <translation>功能键F1</translation>
    </message>
    <message>
        <source>功能键F2</source>
        <translation>功能键F2</translation>
    </message>
    <message>
        <source>功能键F3</source>
        <translation>功能键F3</translation>
    </message>
    <message>
        <source>功能键F4</source>
        <translation>功能键F4</translation>
    </message>
    <message>
        <source>功能键F5</source>
        <translation>功能键F5</translation>
    </message>
    <message>
        <source>功能键F6</source>
        <translation>功能键F6</translation>
    </message>
    <message>
        <source>功能键F7</source>
        <translation>功能键F7</translation>
    </message>
    <message>
        <source>功能键F8</source>
        <translation>功能键F8</translation>
    </message>
    <message>
        <source>功能键F9</source>
        <translation>功能键F9</translation>
    </message>
    <message>
        <source>功能键F10</source>
        <translation>功能键F10</translation>
    </message>
    <message>
        <source>功能键F11</source>
        <translation>功能键F11</translation>
    </message>
    <message>
        <source>功能键F12</source>
        <translation>功能键F12</translation>
    </message>
    <message>
        <source>打印屏幕</source>
        <translation>打印屏幕</translation>
    </message>
    <message>
        <source>滚动条锁定</source>
        <translation>滚动条锁定</translation>
    </message>
    <message>
        <source>暂停/中断键</source>
        <translation>暂停/中断键</translation>
    </message>
    <message>
        <source>插入/改写键</source>
        <translation>插入/改写键</translation>
    </message>
    <message>
        <source>起始键</source>
        <translation>起始键</translation>
    </message>
    <message>
        <source>向上翻页键</source>
        <translation>向上翻页键</translation>
    </message>
    <message>
        <source>删除键</source>
        <translation>删除键</translation>
    </message>
    <message>
        <source>结尾键</source>
        <translation>结尾键</translation>
    </message>
    <message>
        <source>向下翻页键</source>
        <translation>向下翻页键</translation>
    </message>
    <message>
        <source>方向右</source>
        <translation>方向右</translation>
    </message>
    <message>
        <source>方向左</source>
        <translation>方向左</translation>
    </message>
    <message>
        <source>方向下</source>
        <translation>方向下</translation>
    </message>
    <message>
        <source>方向上</source>
        <translation>方向上</translation>
    </message>
    <message>
        <source>数字锁定键</source>
        <translation>数字锁定键</translation>
    </message>
    <message>
        <source>小键盘除号</source>
        <translation>小键盘除号</translation>
    </message>
    <message>
        <source>小键盘乘号</source>
        <translation>小键盘乘号</translation>
    </message>
    <message>
        <source>小键盘减号</source>
        <translation>小键盘减号</translation>
    </message>
    <message>
        <source>小键盘加号</source>
        <translation>小键盘加号</translation>
    </message>
    <message>
        <source>小键盘回车键</source>
        <translation>小键盘回车键</translation>
    </message>
    <message>
        <source>小键盘数字1</source>
        <translation>小键盘数字1</translation>
    </message>
    <message>
        <source>小键盘数字2</source>
        <translation>小键盘数字2</translation>
    </message>
    <message>
        <source>小键盘数字3</source>
        <translation>小键盘数字3</translation>
    </message>
    <message>
        <source>小键盘数字4</source>
        <translation>小键盘数字4</translation>
    </message>
    <message>
        <source>小键盘数字5</source>
        <translation>小键盘数字5</translation>
    </message>
    <message>
        <source>小键盘数字6</source>
        <translation>小键盘数字6</translation>
    </message>
    <message>
        <source>小键盘数字7</source>
        <translation>小键盘数字7</translation>
    </message>
    <message>
        <source>小键盘数字8</source>
        <translation>小键盘数字8</translation>
    </message>
    <message>
        <source>小键盘数字9</source>
        <translation>小键盘数字9</translation>
    </message>
    <message>
        <source>小键盘数字0</source>
        <translation>小键盘数字0</translation>
    </message>
    <message>
        <source>小键盘点号</source>
        <translation>小键盘点号</translation>
    </message>
    <message>
        <source>MENU键</source>
        <translation>MENU键</translation>
    </message>
    <message>
        <source>宏定义1</source>
        <translation>宏定义1</translation>
    </message>
    <message>
        <source>宏定义2</source>
        <translation>宏定义2</translation>
    </message>
    <message>
        <source>宏定义3</source>
        <translation>宏定义3</translation>
    </message>
    <message>
        <source>宏定义4</source>
        <translation>宏定义4</translation>
    </message>
    <message>
        <source>宏定义5</source>
        <translation>宏定义5</translation>
    </message>
    <message>
        <source>宏定义6</source>
        <translation>宏定义6</translation>
    </message>
    <message>
        <source>宏定义7</source>
        <translation>宏定义7</translation>
    </message>
    <message>
        <source>宏定义8</source>
        <translation>宏定义8</translation>
    </message>
    <message>
        <source>宏定义9</source>
        <translation>宏定义9</translation>
    </message>
    <message>
        <source>宏定义10</source>
        <translation>宏定义10</translation>
    </message>
    <message>
        <source>宏定义11</source>
        <translation>宏定义11</translation>
    </message>
    <message>
        <source>宏定义12</source>
        <translation>宏定义12</translation>
    </message>
    <message>
        <source>背光灯开启/关闭</source>
        <translation>背光灯开启/关闭</translation>
    </message>
    <message>
        <source>背光灯后一灯效</source>
        <translation>背光灯后一灯效</translation>
    </message>
    <message>
        <source>背光灯前一灯效</source>
        <translation>背光灯前一灯效</translation>
    </message>
    <message>
        <source>背光灯亮度增大或频率加快</source>
        <translation>背光灯亮度增大或频率加快</translation>
    </message>
    <message>
        <source>背光灯亮度减小或频率减慢</source>
        <translation>背光灯亮度减小或频率减慢</translation>
    </message>
    <message>
        <source>背光灯色相增大(仅RGB有效)</source>
        <translation>背光灯色相增大(仅RGB有效)</translation>
    </message>
    <message>
        <source>背光灯色相减小(仅RGB有效)</source>
        <translation>背光灯色相减小(仅RGB有效)</translation>
    </message>
    <message>
        <source>背光灯饱和度增大(仅RGB有效)</source>
        <translation>背光灯饱和度增大(仅RGB有效)</translation>
    </message>
    <message>
        <source>背光灯饱和度减小(仅RGB有效)</source>
        <translation>背光灯饱和度减小(仅RGB有效)</translation>
    </message>
    <message>
        <source>背光灯亮度增大(仅RGB有效)</source>
        <translation>背光灯亮度增大(仅RGB有效)</translation>
    </message>
    <message>
        <source>背光灯亮度减小(仅RGB有效)</source>
        <translation>背光灯亮度减小(仅RGB有效)</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>音量增大</source>
        <translation>音量增大</translation>
    </message>
    <message>
        <source>音量减小</source>
        <translation>音量减小</translation>
    </message>
    <message>
        <source>下一曲</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>上一曲</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>多媒体停止键</source>
        <translation>多媒体停止键</translation>
    </message>
    <message>
        <source>多媒体播放暂停键</source>
        <translation>多媒体播放暂停键</translation>
    </message>
    <message>
        <source>多媒体选择键</source>
        <translation>多媒体选择键</translation>
    </message>
    <message>
        <source>邮件</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>计算器</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>计算机</translation>
    </message>
    <message>
        <source>互联网搜索</source>
        <translation>互联网搜索</translation>
    </message>
    <message>
        <source>互联网主页</source>
        <translation>互联网主页</translation>
    </message>
    <message>
        <source>互联网后退</source>
        <translation>互联网后退</translation>
    </message>
    <message>
        <source>互联网前进</source>
        <translation>互联网前进</translation>
    </message>
    <message>
        <source>互联网停止</source>
        <translation>互联网停止</translation>
    </message>
    <message>
        <source>互联网刷新</source>
        <translation>互联网刷新</translation>
    </message>
    <message>
        <source>互联网收藏夹</source>
        <translation>互联网收藏夹</translation>
    </message>
    <message>
        <source>瞬时开启层2</source>
        <translation>瞬时开启层2</translation>
    </message>
    <message>
        <source>瞬时开启层3</source>
        <translation>瞬时开启层3</translation>
    </message>
    <message>
        <source>瞬时开启层4</source>
        <translation>瞬时开启层4</translation>
    </message>
    <message>
        <source>开启/关闭层2</source>
        <translation>开启/关闭层2</translation>
    </message>
    <message>
        <source>开启/关闭层3</source>
        <translation>开启/关闭层3</translation>
    </message>
    <message>
        <source>开启/关闭层4</source>
        <translation>开启/关闭层4</translation>
    </message>
    <message>
        <source>切换至配列1</source>
        <translation>切换至配列1</translation>
    </message>
    <message>
        <source>切换至配列2</source>
        <translation>切换至配列2</translation>
    </message>
    <message>
        <source>切换至配列3</source>
        <translation>切换至配列3</translation>
    </message>
    <message>
        <source>切换至配列4</source>
        <translation>切换至配列4</translation>
    </message>
    <message>
        <source>蓝牙设备1（单击切换设备,长按3s重新配对）</source>
        <translation>蓝牙设备1（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>蓝牙设备2（单击切换设备,长按3s重新配对）</source>
        <translation>蓝牙设备2（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>蓝牙设备3（单击切换设备,长按3s重新配对）</source>
        <translation>蓝牙设备3（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>优联1</source>
        <translation>优联1</translation>
    </message>
    <message>
        <source>罗技优联设备1（单击切换设备,长按3s重新配对）</source>
        <translation>罗技优联设备1（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>优联2</source>
        <translation>优联2</translation>
    </message>
    <message>
        <source>罗技优联设备2（单击切换设备,长按3s重新配对）</source>
        <translation>罗技优联设备2（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>优联3</source>
        <translation>优联3</translation>
    </message>
    <message>
        <source>罗技优联设备3（单击切换设备,长按3s重新配对）</source>
        <translation>罗技优联设备3（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>2.4G设备（单击切换设备,长按3s重新配对）</source>
        <translation>2.4G设备（单击切换设备,长按3s重新配对）</translation>
    </message>
    <message>
        <source>底灯开启/关闭</source>
        <translation>底灯开启/关闭</translation>
    </message>
    <message>
        <source>底灯后一灯效</source>
        <translation>底灯后一灯效</translation>
    </message>
    <message>
        <source>底灯前一灯效</source>
        <translation>底灯前一灯效</translation>
    </message>
    <message>
        <source>底灯亮度增大或频率加快</source>
        <translation>底灯亮度增大或频率加快</translation>
    </message>
    <message>
        <source>底灯亮度减小或频率减慢</source>
        <translation>底灯亮度减小或频率减慢</translation>
    </message>
    <message>
        <source>底灯色相增大</source>
        <translation>底灯色相增大</translation>
    </message>
    <message>
        <source>底灯色相减小</source>
        <translation>底灯色相减小</translation>
    </message>
    <message>
        <source>底灯饱和度增大</source>
        <translation>底灯饱和度增大</translation>
    </message>
    <message>
        <source>底灯饱和度减小</source>
        <translation>底灯饱和度减小</translation>
    </message>
    <message>
        <source>底灯亮度增大</source>
        <translation>底灯亮度增大</translation>
    </message>
    <message>
        <source>底灯亮度减小</source>
        <translation>底灯亮度减小</translation>
    </message>
    <message>
        <source>宏定义13</source>
        <translation>宏定义13</translation>
    </message>
    <message>
        <source>宏定义14</source>
        <translation>宏定义14</translation>
    </message>
    <message>
        <source>宏定义15</source>
        <translation>宏定义15</translation>
    </message>
    <message>
        <source>宏定义16</source>
        <translation>宏定义16</translation>
    </message>
    <message>
        <source>宏定义17</source>
        <translation>宏定义17</translation>
    </message>
    <message>
        <source>宏定义18</source>
        <translation>宏定义18</translation>
    </message>
    <message>
        <source>宏定义19</source>
        <translation>宏定义19</translation>
    </message>
    <message>
        <source>宏定义20</source>
        <translation>宏定义20</translation>
    </message>
    <message>
        <source>宏定义21</source>
        <translation>宏定义21</translation>
    </message>
    <message>
        <source>宏定义22</source>
        <translation>宏定义22</translation>
    </message>
    <message>
        <source>宏定义23</source>
        <translation>宏定义23</translation>
    </message>
    <message>
        <source>宏定义24</source>
        <translation>宏定义24</translation>
    </message>
    <message>
        <source>宏定义25</source>
        <translation>宏定义25</translation>
    </message>
    <message>
        <source>宏定义26</source>
        <translation>宏定义26</translation>
    </message>
    <message>
        <source>宏定义27</source>
        <translation>宏定义27</translation>
    </message>
    <message>
        <source>宏定义28</source>
        <translation>宏定义28</translation>
    </message>
    <message>
        <source>宏定义29</source>
        <translation>宏定义29</translation>
    </message>
    <message>
        <source>宏定义30</source>
        <translation>宏定义30</translation>
    </message>
    <message>
        <source>宏定义31</source>
        <translation>宏定义31</translation>
    </message>
    <message>
        <source>宏定义32</source>
        <translation>宏定义32</translation>
    </message>
    <message>
        <source>左控制键</source>
        <translation>左控制键</translation>
    </message>
    <message>
        <source>左上档键</source>
        <translation>左上档键</translation>
    </message>
    <message>
        <source>左换挡键</source>
        <translation>左换挡键</translation>
    </message>
    <message>
        <source>左Win键</source>
        <translation>左Win键</translation>
    </message>
    <message>
        <source>右控制键</source>
        <translation>右控制键</translation>
    </message>
    <message>
        <source>右上档键</source>
        <translation>右上档键</translation>
    </message>
    <message>
        <source>右换挡键</source>
        <translation>右换挡键</translation>
    </message>
    <message>
        <source>右Win键</source>
        <translation>右Win键</translation>
    </message>
    <message>
        <source>进入低功耗状态</source>
        <translation>进入低功耗状态</translation>
    </message>
    <message>
        <source>显示电池电量</source>
        <translation>显示电池电量</translation>
    </message>
    <message>
        <source>二合一按键:</source>
        <translation>二合一按键:</translation>
    </message>
    <message>
        <source>组合按键:</source>
        <translation>组合按键:</translation>
    </message>
</context>
<context>
    <name>KeyCodeCombKeyPannel</name>
    <message>
        <source>Left Mod</source>
        <translation>左修饰键</translation>
    </message>
    <message>
        <source>Right Mod</source>
        <translation>右修饰键</translation>
    </message>
    <message>
        <source>Makes the selected key send the ticked modifiers together with it</source>
        <translation>使所选按键与勾选的修饰键一同发送</translation>
    </message>
</context>
<context>
    <name>KeyCodeDescription</name>
    <message>
        <source>unknown key 0x%1</source>
        <translation>未知按键 0x%1</translation>
    </message>
    <message>
        <source>the selected key</source>
        <translation>所选按键</translation>
    </message>
    <message>
        <source>Unknown key code 0x%1</source>
        <translation>未知键码 0x%1</translation>
    </message>
    <message>
        <source>Plays macro %1</source>
        <translation>执行宏%1</translation>
    </message>
    <message>
        <source>%1 when held, %2 when tapped</source>
        <translation>按住为%1，单击为%2</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>无修饰键</translation>
    </message>
    <message>
        <source>Layer %1 while held, %2 when tapped</source>
        <translation>按住时开启层%1，单击为%2</translation>
    </message>
    <message>
        <source>%1 sent together</source>
        <translation>同时发送%1</translation>
    </message>
    <message>
        <source>Dual-role key</source>
        <translation>二合一按键</translation>
    </message>
    <message>
        <source>Combination key</source>
        <translation>组合按键</translation>
    </message>
    <message>
        <source>Macro key</source>
        <translation>宏按键</translation>
    </message>
    <message>
        <source>Layer key</source>
        <translation>层按键</translation>
    </message>
</context>
<context>
    <name>KeyCodeDiadKeyPannel</name>
    <message>
        <source>Left Mod</source>
        <translation>左修饰键</translation>
    </message>
    <message>
        <source>Right Mod</source>
        <translation>右修饰键</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>层</translation>
    </message>
    <message>
        <source>二合一按键，长按或组合按键实现</source>
        <translation>二合一按键，长按或组合按键实现</translation>
    </message>
    <message>
        <source>Makes the selected key act as the ticked modifiers while held and as itself when tapped</source>
        <translation>使所选按键按住时为勾选的修饰键，单击时为按键本身</translation>
    </message>
</context>
<context>
    <name>KeyCodeLedKeyPannel</name>
    <message>
        <source>Back Led</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Bottom Led</source>
        <translation>底灯</translation>
    </message>
</context>
<context>
    <name>KeyCodePannelBase</name>
    <message>
        <source>Left %1</source>
        <translation>左 %1</translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation>右 %1</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>KeyCodeSearchPannel</name>
    <message>
        <source>No keycode matches &quot;%1&quot;.</source>
        <translation>没有与&quot;%1&quot;匹配的键值。</translation>
    </message>
</context>
<context>
    <name>KeyPannel</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>row %1, key %2</source>
        <translation>第 %1 行，第 %2 个键</translation>
    </message>
</context>
<context>
    <name>KeyTesterDialog</name>
    <message>
        <source>Light every key pressed on the keyboard and find switches that chatter</source>
        <translation>按下键盘上的按键时点亮对应键帽，并找出连击的轴体</translation>
    </message>
    <message>
        <source>Test Keys</source>
        <translation>按键测试</translation>
    </message>
    <message>
        <source>Reset Counts</source>
        <translation>清零计数</translation>
    </message>
    <message>
        <source>Chatter when pressed again within</source>
        <translation>释放后再次按下的连击判定时间</translation>
    </message>
    <message>
        <source>A second press of a key this soon after its release counts as chatter</source>
        <translation>按键释放后在此时间内再次按下即判定为连击</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> 毫秒</translation>
    </message>
    <message>
        <source>%1 (%2x)</source>
        <translation>%1（%2 次）</translation>
    </message>
    <message>
        <source>%1 of %2 keys pressed.</source>
        <translation>已按下 %1 / %2 个按键。</translation>
    </message>
    <message>
        <source>No key chattered.</source>
        <translation>没有按键连击。</translation>
    </message>
    <message>
        <source>Chattering: %1.</source>
        <translation>连击按键：%1。</translation>
    </message>
    <message>
        <source>Every key was pressed.</source>
        <translation>所有按键均已按下。</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>另有 %1 个</translation>
    </message>
    <message>
        <source>Never pressed: %1</source>
        <translation>从未按下：%1</translation>
    </message>
    <message>
        <source>A macro is being recorded. Stop the recording first.</source>
        <translation>正在录制宏，请先停止录制。</translation>
    </message>
    <message>
        <source>Another window is testing keys. Stop it there first.</source>
        <translation>另一个窗口正在测试按键，请先在那里停止。</translation>
    </message>
    <message>
        <source>Only the keys typed into this window are tested: the keyboard could not be taken from the desktop.</source>
        <translation>无法从桌面接管键盘，只测试在本窗口中输入的按键。</translation>
    </message>
    <message>
        <source>Testing keys: every key goes to this page until Test Keys is switched off.</source>
        <translation>正在测试按键：关闭“按键测试”之前，所有按键都只送到本页面。</translation>
    </message>
    <message>
        <source>Key test off: the keyboard is the desktop&apos;s again.</source>
        <translation>按键测试已关闭：键盘已交还给桌面。</translation>
    </message>
    <message>
        <source>The caps show keymap 1 as the keyboard holds it (its first layer).</source>
        <translation>键帽显示的是键盘中保存的配列 1（第一层）。</translation>
    </message>
    <message>
        <source>The keyboard&apos;s keymap 1 is not read yet: the caps show the layout&apos;s own keys.</source>
        <translation>尚未读取键盘的配列 1：键帽显示的是布局自带的按键。</translation>
    </message>
    <message>
        <source>Hatched caps (Fn, layer and lighting keys) never reach the computer, so they cannot be tested here.</source>
        <translation>带斜线的键帽（Fn、层切换和灯光键）不会发送到电脑，因此无法在此测试。</translation>
    </message>
    <message>
        <source>Start this test&apos;s counts afresh; the counts kept for the heat map stay</source>
        <translation>重新开始本次测试的计数；为热力图保存的计数保留</translation>
    </message>
    <message>
        <source>Colour each key by how often it was pressed, over every test of this keyboard model</source>
        <translation>按该键盘型号历次测试中各键被按下的次数为按键着色</translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation>热力图</translation>
    </message>
    <message>
        <source>Forget the presses kept for the heat map of this keyboard model</source>
        <translation>清除为该键盘型号热力图保存的按键次数</translation>
    </message>
    <message>
        <source>Clear Counts</source>
        <translation>清除计数</translation>
    </message>
    <message>
        <source>The kept key counts could not be read; the heat map starts again from nothing.</source>
        <translation>无法读取已保存的按键计数；热力图将从零开始。</translation>
    </message>
    <message>
        <source>The key counts could not be saved: %1</source>
        <translation>无法保存按键计数：%1</translation>
    </message>
    <message>
        <source>Pressed once</source>
        <translation>按下 1 次</translation>
    </message>
    <message>
        <source>Pressed %1 times</source>
        <translation>按下 %1 次</translation>
    </message>
    <message>
        <source>Forget every press kept for the heat map of this keyboard model? This cannot be undone.</source>
        <translation>要清除为该键盘型号热力图保存的所有按键次数吗？此操作无法撤销。</translation>
    </message>
    <message>
        <source>The kept key counts were cleared.</source>
        <translation>已清除保存的按键计数。</translation>
    </message>
    <message>
        <source>The key counts could not be cleared: %1</source>
        <translation>无法清除按键计数：%1</translation>
    </message>
    <message>
        <source>Key tester</source>
        <translation>按键测试</translation>
    </message>
    <message>
        <source>Start or stop the test</source>
        <translation>开始或停止测试</translation>
    </message>
    <message>
        <source>Reset this test&apos;s counts</source>
        <translation>重置本次测试的计数</translation>
    </message>
    <message>
        <source>Show or hide the heat map</source>
        <translation>显示或隐藏热力图</translation>
    </message>
    <message>
        <source>Clear the heat map&apos;s counts</source>
        <translation>清除热力图的计数</translation>
    </message>
</context>
<context>
    <name>KeyUseChart</name>
    <message>
        <source>Key use</source>
        <translation>按键使用</translation>
    </message>
    <message>
        <source>Presses counted by the key tester, fewest to most:</source>
        <translation>按键测试统计的按下次数，从少到多：</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
</context>
<context>
    <name>KeyboardBackup</name>
    <message>
        <source>Keymap %1</source>
        <translation>配列 %1</translation>
    </message>
    <message>
        <source>Macros</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Key rollover</source>
        <translation>按键无冲</translation>
    </message>
    <message>
        <source>Sleep time</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>Wake-up mode</source>
        <translation>唤醒模式</translation>
    </message>
    <message>
        <source>Indicator LEDs</source>
        <translation>指示灯</translation>
    </message>
    <message>
        <source>Wireless type</source>
        <translation>无线类型</translation>
    </message>
    <message>
        <source>Keymap %1: %2 key codes change.</source>
        <translation>配列 %1：%2 个键码会改变。</translation>
    </message>
    <message>
        <source>Macros %1 change.</source>
        <translation>宏 %1 会改变。</translation>
    </message>
    <message>
        <source>Wireless type differs; it is the keyboard&apos;s own and is not written.</source>
        <translation>无线类型不同；这是键盘自身的设置，不会写入。</translation>
    </message>
    <message>
        <source>%1 changes.</source>
        <translation>%1 会改变。</translation>
    </message>
    <message>
        <source>%1: written and verified.</source>
        <translation>%1：已写入并校验。</translation>
    </message>
    <message>
        <source>%1: the keyboard refused it.</source>
        <translation>%1：键盘拒绝了写入。</translation>
    </message>
    <message>
        <source>%1: written, but the keyboard holds something else.</source>
        <translation>%1：已写入，但键盘上的内容不同。</translation>
    </message>
    <message>
        <source>Its key grid of %1 x %2 cannot be written to a keyboard; the keyboard&apos;s layout file is missing or wrong.</source>
        <translation>其 %1 x %2 的按键网格无法写入键盘；键盘的布局文件缺失或有误。</translation>
    </message>
    <message>
        <source>Its keymap type %1 is not one a keyboard has.</source>
        <translation>其键位类型 %1 不是键盘所具有的类型。</translation>
    </message>
    <message>
        <source>Keymap %1, layer %2 does not hold %3 key codes.</source>
        <translation>键位 %1 的第 %2 层不是 %3 个键码。</translation>
    </message>
    <message>
        <source>Macro %1 has more than %2 actions.</source>
        <translation>宏 %1 超过 %2 个动作。</translation>
    </message>
    <message>
        <source>The indicator LEDs do not cover the %1 keys of the grid.</source>
        <translation>指示灯设置未覆盖网格中的 %1 个按键。</translation>
    </message>
    <message>
        <source>Its key rollover or wake-up mode is not one the keyboard can be set to.</source>
        <translation>其按键无冲或唤醒模式不是键盘可设置的值。</translation>
    </message>
</context>
<context>
    <name>KeymapDialog</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>1st Keymap</source>
        <translation>配列 1</translation>
    </message>
    <message>
        <source>2nd Keymap</source>
        <translation>配列 2</translation>
    </message>
    <message>
        <source>3rd Keymap</source>
        <translation>配列 3</translation>
    </message>
    <message>
        <source>4th Keymap</source>
        <translation>配列 4</translation>
    </message>
    <message>
        <source>1st Layer</source>
        <translation>第一层</translation>
    </message>
    <message>
        <source>2nd Layer</source>
        <translation>第二层</translation>
    </message>
    <message>
        <source>3rd Layer</source>
        <translation>第三层</translation>
    </message>
    <message>
        <source>4th Layer</source>
        <translation>第四层</translation>
    </message>
    <message>
        <source>Write Keymap to Keyboard</source>
        <translation>将配列写入键盘</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>上传</translation>
    </message>
    <message>
        <source>Read Keymap from Keyboard</source>
        <translation>从键盘读取配列</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Load Keymap from Local</source>
        <translation>从本地文件载入配列</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save Keymap to Local</source>
        <translation>将配列保存到本地文件</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Revert to Default Keymap</source>
        <translation>恢复默认配列</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Set Current Key Null</source>
        <translation>清空当前按键</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Basic Key</source>
        <translation>基础键</translation>
    </message>
    <message>
        <source>Layer Key</source>
        <translation>层键</translation>
    </message>
    <message>
        <source>Led Key</source>
        <translation>灯光键</translation>
    </message>
    <message>
        <source>Media Key</source>
        <translation>多媒体键</translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation>宏键</translation>
    </message>
    <message>
        <source>Diad Key</source>
        <translation>双功能键</translation>
    </message>
    <message>
        <source>Comb Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Func Key</source>
        <translation>功能键</translation>
    </message>
    <message>
        <source>No keyboard layout is loaded.</source>
        <translation>未载入键盘布局。</translation>
    </message>
    <message>
        <source>Keymap not read: this layout has more keys than one transfer can carry.</source>
        <translation>未读取配列：此布局的按键数超出了单次传输的上限。</translation>
    </message>
    <message>
        <source>Keymap not written: this layout has more keys than one transfer can carry.</source>
        <translation>未写入配列：此布局的按键数超出了单次传输的上限。</translation>
    </message>
    <message>
        <source> Success</source>
        <translation> 成功</translation>
    </message>
    <message>
        <source>Get Keyboard Keymap </source>
        <translation>读取键盘配列 </translation>
    </message>
    <message>
        <source>(Keymap %1 was read from the keyboard while the dialog was open.)</source>
        <translation>（对话框打开期间已从键盘读取配列 %1。）</translation>
    </message>
    <message>
        <source>Compare Keymap with Keyboard</source>
        <translation>与键盘中的配列比较</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Find a keycode by its caption or description (Ctrl+F); Enter gives the first match to the selected key</source>
        <translation>按键帽文字或说明查找键值（Ctrl+F）；回车把第一个结果设给选中的按键</translation>
    </message>
    <message>
        <source>Search keycodes</source>
        <translation>搜索键值</translation>
    </message>
    <message>
        <source>Right click (or Ctrl+L) to copy or swap layers</source>
        <translation>右键单击（或 Ctrl+L）复制或交换层</translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation>设置按键</translation>
    </message>
    <message>
        <source>Copy Layer</source>
        <translation>复制层</translation>
    </message>
    <message>
        <source>Swap Layers</source>
        <translation>交换层</translation>
    </message>
    <message>
        <source>Keymap not compared: this layout has more keys than one transfer can carry.</source>
        <translation>未比较配列：此布局的按键数超过一次传输所能承载的数量。</translation>
    </message>
    <message>
        <source>Keymap %1 has edits that were neither written to the keyboard nor saved to a file.</source>
        <translation>配列 %1 有修改，既未写入键盘，也未保存到文件。</translation>
    </message>
    <message>
        <source>Keymaps %1 have edits that were neither written to the keyboard nor saved to a file.</source>
        <translation>配列 %1 有修改，既未写入键盘，也未保存到文件。</translation>
    </message>
    <message>
        <source>Save before closing? Each keymap goes to a file of its own.</source>
        <translation>关闭前保存吗？每个配列各存为一个文件。</translation>
    </message>
    <message>
        <source>Write Keymap</source>
        <translation>写入配列</translation>
    </message>
    <message>
        <source>Keymap %1 was not read from the keyboard; writing replaces all of it with the keys shown here.</source>
        <translation>配列 %1 还没有从键盘读取；写入会用这里显示的按键替换键盘上的整个配列。</translation>
    </message>
    <message>
        <source>Print the four layers of this keymap or save them as PDF, PNG or SVG</source>
        <translation>打印此键位表的四层，或保存为 PDF、PNG 或 SVG</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>键位图</translation>
    </message>
    <message>
        <source>Keyboard Restored</source>
        <translation>键盘已恢复</translation>
    </message>
    <message>
        <source>Keymaps %1 had edits that were not written to the keyboard. Keep them? With No, every keymap shows what the keyboard now holds.</source>
        <translation>键盘映射 %1 有未写入键盘的修改。保留这些修改吗？选择“否”则每个键盘映射显示键盘现在保存的内容。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Dual-role keys: a modifier or layer while held, the key when tapped</source>
        <translation>二合一按键：按住为修饰键或层，单击为按键本身</translation>
    </message>
    <message>
        <source>Combination keys: modifiers and key sent together</source>
        <translation>组合按键：修饰键与按键同时发送</translation>
    </message>
    <message>
        <source>Write each change to the keyboard at once</source>
        <translation>每次修改立即写入键盘</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>实时</translation>
    </message>
    <message>
        <source>Select the next key after each assignment</source>
        <translation>每次设置后选中下一个按键</translation>
    </message>
    <message>
        <source>Next Key</source>
        <translation>下一个键</translation>
    </message>
</context>
<context>
    <name>KeymapDiffOverlay</name>
    <message>
        <source>On the keyboard: %1</source>
        <translation>键盘中：%1</translation>
    </message>
    <message>
        <source>Here: %1</source>
        <translation>本地：%1</translation>
    </message>
    <message>
        <source>Keymap matches the keyboard</source>
        <translation>配列与键盘一致</translation>
    </message>
    <message>
        <source>This layer matches the keyboard; keys on other layers differ: %1</source>
        <translation>本层与键盘一致；其他层有不同的按键：%1</translation>
    </message>
    <message>
        <source>1 key differs from the keyboard</source>
        <translation>1 个按键与键盘不同</translation>
    </message>
    <message>
        <source>%1 keys differ from the keyboard</source>
        <translation>%1 个按键与键盘不同</translation>
    </message>
    <message>
        <source> (and %1 on other layers)</source>
        <translation>（其他层另有 %1 个）</translation>
    </message>
</context>
<context>
    <name>KeymapFile</name>
    <message>
        <source>no such keymap</source>
        <translation>不存在该配列</translation>
    </message>
    <message>
        <source>The keymap could not be written out.</source>
        <translation>无法写出键位。</translation>
    </message>
</context>
<context>
    <name>KeymapFiles</name>
    <message>
        <source>Save Keymap File</source>
        <translation>保存配列文件</translation>
    </message>
    <message>
        <source>Failed to Save Keymap File: %1</source>
        <translation>保存配列文件失败：%1</translation>
    </message>
    <message>
        <source>Success to Save Keymap File.</source>
        <translation>配列文件保存成功。</translation>
    </message>
    <message>
        <source>Load Keymap File</source>
        <translation>载入配列文件</translation>
    </message>
    <message>
        <source>XML文件(*.xml)</source>
        <translation>XML文件(*.xml)</translation>
    </message>
    <message>
        <source>Success to Load Keymap File</source>
        <translation>配列文件载入成功</translation>
    </message>
    <message>
        <source>Failed to Load Keymap File</source>
        <translation>配列文件载入失败</translation>
    </message>
    <message>
        <source>Failed to Load Keymap File: it cannot be read or is not a keymap file.</source>
        <translation>配列文件载入失败：文件无法读取，或不是配列文件。</translation>
    </message>
</context>
<context>
    <name>KeymapKeyboardUse</name>
    <message>
        <source>Keymap page</source>
        <translation>键位映射页</translation>
    </message>
    <message>
        <source>Arrow keys, Home, End</source>
        <translation>方向键、Home、End</translation>
    </message>
    <message>
        <source>Go to the key that way on the keyboard picture</source>
        <translation>在键盘图上移到该方向的按键</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation>Page Up、Page Down</translation>
    </message>
    <message>
        <source>On a key: the layer before or after</source>
        <translation>在按键上：上一层或下一层</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Choose the focused key</source>
        <translation>选择有焦点的按键</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Choose the focused key and search the code to put on it</source>
        <translation>选择有焦点的按键并搜索要设置给它的键码</translation>
    </message>
    <message>
        <source>Enter in the search</source>
        <translation>搜索框中按 Enter</translation>
    </message>
    <message>
        <source>Put the first match on the key and go back to it</source>
        <translation>把第一个匹配项设置给该按键并回到该按键</translation>
    </message>
    <message>
        <source>Down in the search</source>
        <translation>搜索框中按 Down</translation>
    </message>
    <message>
        <source>Go to the matches; Enter puts one on the key</source>
        <translation>移到匹配项；按 Enter 把它设置给该按键</translation>
    </message>
    <message>
        <source>Escape in the search</source>
        <translation>搜索框中按 Escape</translation>
    </message>
    <message>
        <source>Empty the search and go back to the key</source>
        <translation>清空搜索并回到该按键</translation>
    </message>
    <message>
        <source>Search the keycodes</source>
        <translation>搜索键码</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>显示%1</translation>
    </message>
    <message>
        <source>Write the keymap to the keyboard</source>
        <translation>把键位映射写入键盘</translation>
    </message>
    <message>
        <source>Read the keymap from the keyboard</source>
        <translation>从键盘读取键位映射</translation>
    </message>
    <message>
        <source>Compare with the keyboard&apos;s keymap</source>
        <translation>与键盘的键位映射比较</translation>
    </message>
    <message>
        <source>Open a keymap file</source>
        <translation>打开键位映射文件</translation>
    </message>
    <message>
        <source>Save the keymap to a file</source>
        <translation>把键位映射保存到文件</translation>
    </message>
    <message>
        <source>Save or print the layer chart</source>
        <translation>保存或打印层图表</translation>
    </message>
    <message>
        <source>Back to the layout&apos;s default keys</source>
        <translation>恢复布局的默认按键</translation>
    </message>
    <message>
        <source>Clear the chosen key</source>
        <translation>清除所选按键</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Copy or swap layers</source>
        <translation>复制或交换层</translation>
    </message>
    <message>
        <source>Live: write each edit at once</source>
        <translation>实时：每次修改立即写入</translation>
    </message>
    <message>
        <source>Next Key: go on to the next key after setting one</source>
        <translation>下一个键：设置一个按键后移到下一个按键</translation>
    </message>
</context>
<context>
    <name>KeymapLayerMenu</name>
    <message>
        <source>Copy %1 onto %2</source>
        <translation>把%1复制到%2</translation>
    </message>
    <message>
        <source>Swap %1 with %2</source>
        <translation>交换%1与%2</translation>
    </message>
</context>
<context>
    <name>KeymapLiveMode</name>
    <message>
        <source>Live mode is off: the keyboard was disconnected. Your edits are kept as unsaved.</source>
        <translation>实时模式已关闭：键盘已断开。您的修改作为未保存的修改保留。</translation>
    </message>
    <message>
        <source>Live mode is off: the keyboard no longer reads its keys in this layout.</source>
        <translation>实时模式已关闭：键盘已不再按此布局读取按键。</translation>
    </message>
    <message>
        <source>Live mode is off: keymap %1 was not read from the keyboard yet. Your edits are kept as unsaved.</source>
        <translation>实时模式已关闭：尚未从键盘读取配列 %1。您的修改作为未保存的修改保留。</translation>
    </message>
    <message>
        <source>Live mode is off: keymap %1 could not be written. Your edits are kept as unsaved.</source>
        <translation>实时模式已关闭：无法写入配列 %1。您的修改作为未保存的修改保留。</translation>
    </message>
    <message>
        <source>Live mode is off: the keyboard did not confirm keymap %1. Your edits are kept as unsaved.</source>
        <translation>实时模式已关闭：键盘未确认配列 %1。您的修改作为未保存的修改保留。</translation>
    </message>
</context>
<context>
    <name>KeymapPannelView</name>
    <message>
        <source>not what the keyboard holds</source>
        <translation>与键盘中的不同</translation>
    </message>
</context>
<context>
    <name>KeymapPickers</name>
    <message>
        <source>Clear the search</source>
        <translation>清空搜索</translation>
    </message>
</context>
<context>
    <name>KeymapTransfer</name>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation>演示模式，请连接键盘后重试。</translation>
    </message>
    <message>
        <source>Keymap %1 is written once the keyboard has confirmed the write before.</source>
        <translation>键盘映射 %1 将在键盘确认上一次写入后再写入。</translation>
    </message>
    <message>
        <source>Reading keymap %1 from the keyboard…</source>
        <translation>正在从键盘读取配列 %1…</translation>
    </message>
    <message>
        <source>Get Keyboard Keymap </source>
        <translation>读取键盘配列 </translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> 失败</translation>
    </message>
    <message>
        <source>Set Keyboard Keymap </source>
        <translation>写入键盘配列 </translation>
    </message>
    <message>
        <source>Keymap %1 was written, but could not be read back; Download shows what the keyboard holds.</source>
        <translation>键盘映射 %1 已写入，但无法读回；“下载”可显示键盘保存的内容。</translation>
    </message>
    <message>
        <source> Success</source>
        <translation> 成功</translation>
    </message>
    <message>
        <source>Keymap %1 was written, but the keyboard holds something else.</source>
        <translation>键盘映射 %1 已写入，但键盘保存的内容不同。</translation>
    </message>
    <message>
        <source>Keymap %1 could not be read from the keyboard.</source>
        <translation>无法从键盘读取配列 %1。</translation>
    </message>
    <message>
        <source>Keymap %1 still shows your keys, which differ from the keyboard&apos;s; Download shows the keyboard&apos;s.</source>
        <translation>键盘映射 %1 仍显示您的按键，与键盘中的不同；“下载”可显示键盘中的按键。</translation>
    </message>
    <message>
        <source>Keymap %1 shows what the keyboard holds.</source>
        <translation>配列 %1 显示的是键盘上的按键。</translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its keymap.</source>
        <translation>键盘应答迟到；请重新读取以查看键盘上的配列。</translation>
    </message>
</context>
<context>
    <name>KeymapTypeChoice</name>
    <message>
        <source>No layout of this keyboard has this keymap type (%1 is missing or unusable), so the window could not show its keys.</source>
        <translation>此键盘没有这种配列类型的布局（%1 缺失或无法使用），窗口无法显示它的按键。</translation>
    </message>
</context>
<context>
    <name>KeymapTypeQuestion</name>
    <message>
        <source>keymaps: %1</source>
        <translation>键位表：%1</translation>
    </message>
    <message>
        <source>macros: %1</source>
        <translation>宏：%1</translation>
    </message>
    <message>
        <source>The keyboard will read its keys in the arrangement of keymap type %1 (%2): its keymaps then mean other keys. Once the keyboard has taken it, this window closes, and a window with the layout of that type opens and reads the keyboard.</source>
        <translation>键盘将按配列类型 %1（%2）的排列读取按键：它的键位表随之对应其他按键。键盘接受后，此窗口将关闭，并打开该类型布局的窗口读取键盘。</translation>
    </message>
    <message>
        <source>No unsaved edits are lost.</source>
        <translation>不会丢失未保存的修改。</translation>
    </message>
    <message>
        <source>Edits neither written nor saved are lost (%1).</source>
        <translation>既未写入也未保存的修改将丢失（%1）。</translation>
    </message>
    <message>
        <source>Set Keymap Type</source>
        <translation>设置配列类型</translation>
    </message>
</context>
<context>
    <name>LayerChart</name>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation>无法绘制页面。</translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation>内存不足，无法生成图片。</translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation>无法绘制图片。</translation>
    </message>
    <message>
        <source>Dual-role key: a modifier or layer while held, the key when tapped</source>
        <translation>二合一按键：按住为修饰键或层，单击为按键本身</translation>
    </message>
    <message>
        <source>Combination key: modifiers and key sent together</source>
        <translation>组合按键：修饰键与按键同时发送</translation>
    </message>
</context>
<context>
    <name>LinkGood</name>
    <message>
        <source>NOVA_PL</source>
        <translation>NOVA_PL</translation>
    </message>
</context>
<context>
    <name>LocalFile</name>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>The file is larger than %1 KB.</source>
        <translation>文件大于 %1 KB。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取文件。</translation>
    </message>
</context>
<context>
    <name>MacroDelayEdit</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please Insert Number From 2 to 15000</source>
        <translation>请输入 2 到 15000 之间的数字</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Start Rec</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>Rec Delay</source>
        <translation>录制延时</translation>
    </message>
    <message>
        <source>Rec Count</source>
        <translation>动作数</translation>
    </message>
    <message>
        <source>Write Macro</source>
        <translation>写入宏</translation>
    </message>
    <message>
        <source>Read Macro</source>
        <translation>读取宏</translation>
    </message>
    <message>
        <source>Another window is recording a macro. Stop it there first.</source>
        <translation>另一个窗口正在录制宏，请先在那里停止录制。</translation>
    </message>
    <message>
        <source>Stop Rec</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Insert Key...</source>
        <translation>插入按键...</translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Text to Macro...</source>
        <translation>文本转宏...</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>复制到</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>%1 is full: a macro holds at most %2 actions. Delete some to make room.</source>
        <translation>%1 已满：一个宏最多容纳 %2 个动作。请先删除一些动作。</translation>
    </message>
    <message>
        <source>%1 has room for %2 more actions, but this needs %3. A macro holds at most %4 actions.</source>
        <translation>%1 还能容纳 %2 个动作，但此操作需要 %3 个。一个宏最多容纳 %4 个动作。</translation>
    </message>
    <message>
        <source>Macro Full</source>
        <translation>宏已满</translation>
    </message>
    <message>
        <source>Copy Macro</source>
        <translation>复制宏</translation>
    </message>
    <message>
        <source>%1 already has %2 actions. Replace them with the %3 actions of %4?</source>
        <translation>%1 已有 %2 个动作。要用 %4 的 %3 个动作替换它们吗？</translation>
    </message>
    <message>
        <source>%1 copied to %2; write it to keep it on the keyboard.</source>
        <translation>已将 %1 复制到 %2；写入后才会保存在键盘中。</translation>
    </message>
    <message>
        <source>Clear Macro</source>
        <translation>清空宏</translation>
    </message>
    <message>
        <source>Remove all %1 actions of %2?</source>
        <translation>删除 %2 的全部 %1 个动作吗？</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Recording replaces the %1 actions of %2; Undo brings them back.</source>
        <translation>录制会替换%2的 %1 个动作；撤销可以找回它们。</translation>
    </message>
    <message>
        <source>Keyboard Restored</source>
        <translation>键盘已恢复</translation>
    </message>
    <message>
        <source>Macros %1 had edits that were not written to the keyboard. Keep them? With No, every macro shows what the keyboard now holds.</source>
        <translation>宏 %1 有尚未写入键盘的修改。要保留这些修改吗？选择“否”，每个宏都显示键盘现在保存的内容。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>The key test holds the keyboard. Switch Test Keys off first.</source>
        <translation>按键测试正在占用键盘。请先关闭“按键测试”。</translation>
    </message>
    <message>
        <source>Delay that Insert Delay adds</source>
        <translation>“插入延时”添加的延时</translation>
    </message>
</context>
<context>
    <name>MacroEditTools</name>
    <message>
        <source>%1 (%2 actions)</source>
        <translation>%1（%2 个动作）</translation>
    </message>
    <message>
        <source>Actions of the shown macro / the most a macro holds</source>
        <translation>当前宏的动作数 / 一个宏最多可容纳的动作数</translation>
    </message>
    <message>
        <source>All Macros...</source>
        <translation>全部宏...</translation>
    </message>
    <message>
        <source>Copy the shown macro to another macro</source>
        <translation>将当前显示的宏复制到另一个宏</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the chosen row (%1)</source>
        <translation>删除所选行（%1）</translation>
    </message>
    <message>
        <source>Insert Delay (%1 ms)</source>
        <translation>插入延时（%1 ms）</translation>
    </message>
    <message>
        <source>Insert Key Down...</source>
        <translation>插入按键按下...</translation>
    </message>
    <message>
        <source>Insert Key Tap...</source>
        <translation>插入按键单击...</translation>
    </message>
    <message>
        <source>Insert Key Up...</source>
        <translation>插入按键抬起...</translation>
    </message>
    <message>
        <source>Insert a key at the chosen row, or at the end (%1)</source>
        <translation>在所选行或末尾插入按键（%1）</translation>
    </message>
    <message>
        <source>Insert a pause of the length below at the chosen row, or at the end</source>
        <translation>在所选行或末尾插入下方时长的延时</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move the chosen row down (%1)</source>
        <translation>将所选行下移（%1）</translation>
    </message>
    <message>
        <source>Move the chosen row up (%1)</source>
        <translation>将所选行上移（%1）</translation>
    </message>
    <message>
        <source>Read macros from a file</source>
        <translation>从文件读取宏</translation>
    </message>
    <message>
        <source>Remove all actions of the shown macro</source>
        <translation>删除当前显示的宏的全部动作</translation>
    </message>
    <message>
        <source>Save macros to a file</source>
        <translation>将宏保存到文件</translation>
    </message>
    <message>
        <source>Shown Macro...</source>
        <translation>当前宏...</translation>
    </message>
    <message>
        <source>Type a text and insert the keys that type it</source>
        <translation>输入一段文本，插入打出它的按键</translation>
    </message>
    <message>
        <source>Macro page</source>
        <translation>宏页面</translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation>开始或停止录制</translation>
    </message>
    <message>
        <source>Insert a key</source>
        <translation>插入按键</translation>
    </message>
    <message>
        <source>Insert a pause</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <source>Move the chosen row up</source>
        <translation>上移所选行</translation>
    </message>
    <message>
        <source>Move the chosen row down</source>
        <translation>下移所选行</translation>
    </message>
    <message>
        <source>Delete the chosen row</source>
        <translation>删除所选行</translation>
    </message>
    <message>
        <source>Type a text as keys</source>
        <translation>把文本转为按键</translation>
    </message>
    <message>
        <source>Copy the macro to another</source>
        <translation>把宏复制到另一个宏</translation>
    </message>
    <message>
        <source>Clear the macro</source>
        <translation>清空宏</translation>
    </message>
    <message>
        <source>Open a macro file</source>
        <translation>打开宏文件</translation>
    </message>
    <message>
        <source>Write the macros to the keyboard</source>
        <translation>把宏写入键盘</translation>
    </message>
    <message>
        <source>Read the macros from the keyboard</source>
        <translation>从键盘读取宏</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
</context>
<context>
    <name>MacroFile</name>
    <message>
        <source>The file is larger than %1 KB.</source>
        <translation>文件大于 %1 KB。</translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation>文件不是有效的 JSON（第 %2 字节处：%1）。</translation>
    </message>
    <message>
        <source>The file is not a macro file of this program.</source>
        <translation>该文件不是本程序的宏文件。</translation>
    </message>
    <message>
        <source>The file has no format version.</source>
        <translation>文件没有格式版本。</translation>
    </message>
    <message>
        <source>The file has format version %1; this program reads version %2.</source>
        <translation>文件的格式版本为 %1；本程序读取版本 %2。</translation>
    </message>
    <message>
        <source>The file has no list of macros.</source>
        <translation>文件中没有宏列表。</translation>
    </message>
    <message>
        <source>The file holds no macro.</source>
        <translation>文件中没有宏。</translation>
    </message>
    <message>
        <source>The file holds %1 macros; there are only %2.</source>
        <translation>文件包含 %1 个宏；但只有 %2 个宏。</translation>
    </message>
    <message>
        <source>Entry %1 of the macro list has no macro number from 1 to %2.</source>
        <translation>宏列表的第 %1 项没有 1 到 %2 之间的宏编号。</translation>
    </message>
    <message>
        <source>Macro %1 is in the file twice.</source>
        <translation>宏 %1 在文件中出现了两次。</translation>
    </message>
    <message>
        <source>Macro %1 has no list of actions.</source>
        <translation>宏 %1 没有动作列表。</translation>
    </message>
    <message>
        <source>Macro %1 has %2 actions; a macro holds at most %3.</source>
        <translation>宏 %1 有 %2 个动作；一个宏最多容纳 %3 个。</translation>
    </message>
    <message>
        <source>Macro %1, action %2</source>
        <translation>宏 %1 的第 %2 个动作</translation>
    </message>
    <message>
        <source>%1 is not an object with a type and a value.</source>
        <translation>%1 不是带有类型和值的对象。</translation>
    </message>
    <message>
        <source>%1 has no known type; the types are &quot;down&quot;, &quot;up&quot; and &quot;delay&quot;.</source>
        <translation>%1 的类型无法识别；类型应为 &quot;down&quot;、&quot;up&quot; 或 &quot;delay&quot;。</translation>
    </message>
    <message>
        <source>%1: a delay is a whole number of milliseconds from %2 to %3.</source>
        <translation>%1：延时应为 %2 到 %3 之间的整数毫秒。</translation>
    </message>
    <message>
        <source>%1: the value is not a virtual-key code from %2 to %3.</source>
        <translation>%1：数值不是 %2 到 %3 之间的虚拟键码。</translation>
    </message>
</context>
<context>
    <name>MacroFiles</name>
    <message>
        <source>%1 cannot be imported; no macro was changed.
%2</source>
        <translation>无法导入 %1，没有修改任何宏。
%2</translation>
    </message>
    <message>
        <source>%1 could not be saved:
%2</source>
        <translation>无法保存 %1：
%2</translation>
    </message>
    <message>
        <source>%1 macros imported from %2; write them to keep them on the keyboard.</source>
        <translation>已从 %2 导入 %1 个宏；写入后才会保存在键盘中。</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>导出 %1</translation>
    </message>
    <message>
        <source>Export All Macros</source>
        <translation>导出全部宏</translation>
    </message>
    <message>
        <source>Import Macros</source>
        <translation>导入宏</translation>
    </message>
    <message>
        <source>Importing replaces these macros, which are not empty: %1. Import?</source>
        <translation>导入将替换以下非空的宏：%1。要导入吗？</translation>
    </message>
    <message>
        <source>Macro files (*.%1)</source>
        <translation>宏文件 (*.%1)</translation>
    </message>
    <message>
        <source>Macros saved to %1</source>
        <translation>宏已保存到 %1</translation>
    </message>
    <message>
        <source>Macro %1 has edits that were neither written to the keyboard nor exported to a file.</source>
        <translation>宏 %1 有修改既没有写入键盘，也没有导出到文件。</translation>
    </message>
    <message>
        <source>Macros %1 have edits that were neither written to the keyboard nor exported to a file.</source>
        <translation>宏 %1 有修改既没有写入键盘，也没有导出到文件。</translation>
    </message>
    <message>
        <source>Save before closing? All macros go to one macro file.</source>
        <translation>关闭前保存吗？所有宏将保存到一个宏文件中。</translation>
    </message>
</context>
<context>
    <name>MacroKeyChooser</name>
    <message>
        <source>Insert Key</source>
        <translation>插入按键</translation>
    </message>
    <message>
        <source>Key Tap</source>
        <translation>按键单击</translation>
    </message>
    <message>
        <source>The key goes down and up again</source>
        <translation>按键按下后再抬起</translation>
    </message>
    <message>
        <source>Key Down</source>
        <translation>按键按下</translation>
    </message>
    <message>
        <source>The key goes down and stays down</source>
        <translation>按键按下并保持按下</translation>
    </message>
    <message>
        <source>Key Up</source>
        <translation>按键抬起</translation>
    </message>
    <message>
        <source>A key held down goes up</source>
        <translation>按住的按键抬起</translation>
    </message>
    <message>
        <source>Click here and press the key</source>
        <translation>点击此处后按下按键</translation>
    </message>
    <message>
        <source>While this field is chosen, the key you press is chosen, whatever it does elsewhere</source>
        <translation>选中此框时，按下的按键即被选中，无论它在别处有何作用</translation>
    </message>
    <message>
        <source>Or search the keys</source>
        <translation>或搜索按键</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Virtual-key code 0x%1, HID usage 0x%2</source>
        <translation>虚拟键码 0x%1，HID 用法码 0x%2</translation>
    </message>
    <message>
        <source>Keypad %1</source>
        <translation>小键盘 %1</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>左方向键</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>上方向键</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>右方向键</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>下方向键</translation>
    </message>
    <message>
        <source>This key is not one the keyboard can play.</source>
        <translation>键盘无法播放这个按键。</translation>
    </message>
    <message>
        <source>%1 is not a key the keyboard can play.</source>
        <translation>%1 不是键盘可以播放的按键。</translation>
    </message>
    <message>
        <source>Press the key now</source>
        <translation>现在请按下按键</translation>
    </message>
    <message>
        <source>No key matches &quot;%1&quot;.</source>
        <translation>没有与 &quot;%1&quot; 匹配的按键。</translation>
    </message>
    <message>
        <source>Clear the search</source>
        <translation>清空搜索</translation>
    </message>
</context>
<context>
    <name>MacroKeyTable</name>
    <message>
        <source>数字小键盘0</source>
        <translation>数字小键盘0</translation>
    </message>
    <message>
        <source>数字小键盘1</source>
        <translation>数字小键盘1</translation>
    </message>
    <message>
        <source>数字小键盘2</source>
        <translation>数字小键盘2</translation>
    </message>
    <message>
        <source>数字小键盘3</source>
        <translation>数字小键盘3</translation>
    </message>
    <message>
        <source>数字小键盘4</source>
        <translation>数字小键盘4</translation>
    </message>
    <message>
        <source>数字小键盘5</source>
        <translation>数字小键盘5</translation>
    </message>
    <message>
        <source>数字小键盘6</source>
        <translation>数字小键盘6</translation>
    </message>
    <message>
        <source>数字小键盘7</source>
        <translation>数字小键盘7</translation>
    </message>
    <message>
        <source>数字小键盘8</source>
        <translation>数字小键盘8</translation>
    </message>
    <message>
        <source>数字小键盘9</source>
        <translation>数字小键盘9</translation>
    </message>
    <message>
        <source>数字小键盘+</source>
        <translation>数字小键盘+</translation>
    </message>
    <message>
        <source>数字小键盘-</source>
        <translation>数字小键盘-</translation>
    </message>
    <message>
        <source>数字小键盘*</source>
        <translation>数字小键盘*</translation>
    </message>
    <message>
        <source>数字小键盘/</source>
        <translation>数字小键盘/</translation>
    </message>
    <message>
        <source>数字小键盘.</source>
        <translation>数字小键盘.</translation>
    </message>
    <message>
        <source>数字小键盘Enter</source>
        <translation>数字小键盘Enter</translation>
    </message>
    <message>
        <source>左方向键←</source>
        <translation>左方向键←</translation>
    </message>
    <message>
        <source>上方向键↑</source>
        <translation>上方向键↑</translation>
    </message>
    <message>
        <source>右方向键→</source>
        <translation>右方向键→</translation>
    </message>
    <message>
        <source>下方向键↓</source>
        <translation>下方向键↓</translation>
    </message>
</context>
<context>
    <name>MacroRecorder</name>
    <message>
        <source>Recording keys typed in this window only (%1).</source>
        <translation>仅录制在本窗口中输入的按键（%1）。</translation>
    </message>
    <message>
        <source>another program holds the keyboard</source>
        <translation>另一个程序占用了键盘</translation>
    </message>
    <message>
        <source>no X display</source>
        <translation>没有 X 显示服务</translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation>与显示服务的连接已断开</translation>
    </message>
    <message>
        <source>the key recorder does not answer</source>
        <translation>按键录制线程没有响应</translation>
    </message>
    <message>
        <source>the keyboard hook could not be installed</source>
        <translation>无法安装键盘钩子</translation>
    </message>
</context>
<context>
    <name>MacroRows</name>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1（无法播放）</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Unknown key</source>
        <translation>未知按键</translation>
    </message>
    <message>
        <source>wait %1 ms</source>
        <translation>等待 %1 毫秒</translation>
    </message>
    <message>
        <source>press %1</source>
        <translation>按下 %1</translation>
    </message>
    <message>
        <source>release %1</source>
        <translation>松开 %1</translation>
    </message>
</context>
<context>
    <name>MacroStore</name>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Change Delay</source>
        <translation>修改延时</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>录制</translation>
    </message>
</context>
<context>
    <name>MacroTextDialog</name>
    <message>
        <source>Text to Macro</source>
        <translation>文本转宏</translation>
    </message>
    <message>
        <source>The text is typed as on a US keyboard: letters, digits, the symbols of the main keys, spaces, tabs and line breaks (Enter). Shift is held for capitals and shifted symbols.</source>
        <translation>文本按美式键盘输入：字母、数字、主键区的符号、空格、制表符和换行（Enter）。大写字母和上档符号会按住 Shift。</translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation>要输入的文本</translation>
    </message>
    <message>
        <source>Delay between keys</source>
        <translation>按键间延时</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>These characters cannot be typed: %1. Remove them to insert the text.</source>
        <translation>这些字符无法输入：%1。请删除它们后再插入文本。</translation>
    </message>
    <message>
        <source>The text takes %1 actions, but %2 has room for only %3 more (a macro holds at most 120).</source>
        <translation>该文本需要 %1 个动作，但 %2 只能再容纳 %3 个（一个宏最多容纳 120 个）。</translation>
    </message>
    <message>
        <source>%1 has room for %2 more actions.</source>
        <translation>%1 还能容纳 %2 个动作。</translation>
    </message>
    <message>
        <source>The text takes %1 of the %2 actions %3 has room for.</source>
        <translation>该文本占用 %3 剩余 %2 个动作中的 %1 个。</translation>
    </message>
</context>
<context>
    <name>MacroTransfer</name>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation>演示模式，请连接键盘后重试。</translation>
    </message>
    <message>
        <source>Fail to Read Macro Data: the keyboard&apos;s reply is incomplete.</source>
        <translation>读取宏数据失败：键盘的应答不完整。</translation>
    </message>
    <message>
        <source>Fail to Write Macro Data</source>
        <translation>写入宏数据失败</translation>
    </message>
    <message>
        <source>Macro %1 is written once the keyboard has confirmed the write before.</source>
        <translation>键盘确认上一次写入后，再写入宏 %1。</translation>
    </message>
    <message>
        <source>Macro %1 was changed before the keyboard answered, so it still shows your actions; Read Macro shows the keyboard&apos;s.</source>
        <translation>宏 %1 在键盘应答之前已被修改，因此仍显示您的动作；点击“读取宏”可显示键盘上的宏。</translation>
    </message>
    <message>
        <source>Macro %1 was written, but could not be read back; Read Macro shows what the keyboard holds.</source>
        <translation>宏 %1 已写入，但无法读回；点击“读取宏”可查看键盘上的内容。</translation>
    </message>
    <message>
        <source>Macro %1 was written, but the keyboard holds something else.</source>
        <translation>宏 %1 已写入，但键盘上的内容不同。</translation>
    </message>
    <message>
        <source>Read Macro</source>
        <translation>读取宏</translation>
    </message>
    <message>
        <source>Success to Read Macro Data</source>
        <translation>读取宏数据成功</translation>
    </message>
    <message>
        <source>Success to Write Macro Data</source>
        <translation>写入宏数据成功</translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its macro.</source>
        <translation>键盘应答迟到；请重新读取以查看键盘上的宏。</translation>
    </message>
    <message>
        <source>The macro read from the keyboard was not shown: a recording was running.</source>
        <translation>从键盘读取的宏没有显示：录制正在进行。</translation>
    </message>
</context>
<context>
    <name>MacroWriteCheck</name>
    <message>
        <source>%1 may leave the computer with stuck keys.</source>
        <translation>%1 可能使电脑上的按键处于卡住状态。</translation>
    </message>
    <message>
        <source>Add Key-Ups at End</source>
        <translation>在末尾补上抬起</translation>
    </message>
    <message>
        <source>Add the missing key-ups at the end, write the macro as it is, or cancel?</source>
        <translation>要在末尾补上缺少的按键抬起、按原样写入宏，还是取消？</translation>
    </message>
    <message>
        <source>It leaves these keys down: %1.</source>
        <translation>它会让这些按键保持按下：%1。</translation>
    </message>
    <message>
        <source>It releases keys it never pressed: %1.</source>
        <translation>它会抬起从未按下的按键：%1。</translation>
    </message>
    <message>
        <source>Stuck Keys</source>
        <translation>按键卡住</translation>
    </message>
    <message>
        <source>The keyboard cannot play these keys: %1.
They are written as empty keys. Write the macro anyway?</source>
        <translation>键盘无法播放这些按键：%1。
它们将被写成空键。仍然写入该宏吗？</translation>
    </message>
    <message>
        <source>Write As It Is</source>
        <translation>按原样写入</translation>
    </message>
    <message>
        <source>Write Macro</source>
        <translation>写入宏</translation>
    </message>
    <message>
        <source>Write the macro as it is, or cancel?</source>
        <translation>要按原样写入宏，还是取消？</translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Driver</source>
        <translation>驱动</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Keymap Setting</source>
        <translation>配列设置</translation>
    </message>
    <message>
        <source>Back Led</source>
        <translation>背光</translation>
    </message>
    <message>
        <source>Bottom Led</source>
        <translation>底灯</translation>
    </message>
    <message>
        <source>Keyboard Setting</source>
        <translation>键盘设置</translation>
    </message>
    <message>
        <source>Macro Setting</source>
        <translation>宏设置</translation>
    </message>
    <message>
        <source>About Us</source>
        <translation>关于我们</translation>
    </message>
    <message>
        <source>Comming Soon!</source>
        <translation>敬请期待！</translation>
    </message>
    <message>
        <source>No Device Found</source>
        <translation>未找到设备</translation>
    </message>
    <message>
        <source> not found,Please reconnect the keyboard to your computer and try again. 
Click &quot;Ignore&quot; to demo mode, click &quot;Close&quot; to exit.</source>
        <translation> 未找到，请将键盘重新连接到电脑后重试。
点击“Ignore”进入演示模式，点击“Close”退出。</translation>
    </message>
    <message>
        <source> Driver (DEMO MODE)</source>
        <translation> 驱动（演示模式）</translation>
    </message>
    <message>
        <source> Driver</source>
        <translation> 驱动</translation>
    </message>
    <message>
        <source>Too much data for the keyboard, nothing was sent.</source>
        <translation>数据量超出键盘的接收上限，未发送任何内容。</translation>
    </message>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation>演示模式，请连接键盘后重试。</translation>
    </message>
    <message>
        <source>Connect failed,Please try again.</source>
        <translation>连接失败，请重试。</translation>
    </message>
    <message>
        <source>The layout for this keyboard is missing or unusable: %1</source>
        <translation>此键盘的布局文件缺失或无法使用：%1</translation>
    </message>
    <message>
        <source>Keyboard Access Denied</source>
        <translation>无权访问键盘</translation>
    </message>
    <message>
        <source>Click &quot;Ignore&quot; to demo mode, click &quot;Close&quot; to exit.</source>
        <translation>点击“忽略”进入演示模式，点击“关闭”退出。</translation>
    </message>
    <message>
        <source>%1 is plugged in, but this user may not open it (%2: %3).</source>
        <translation>%1 已连接，但当前用户无权打开它（%2：%3）。</translation>
    </message>
    <message>
        <source>On Linux, access to the keyboard comes from the udev rule installed with the program&apos;s package. Without the package, install the rule (packaging/70-driver-keyboard.rules in the source folder) as root:</source>
        <translation>在 Linux 上，键盘的访问权限来自随本程序安装包一起安装的 udev 规则。未使用安装包时，请以 root 身份安装该规则（源码目录中的 packaging/70-driver-keyboard.rules）：</translation>
    </message>
    <message>
        <source>Then unplug the keyboard and plug it in again.</source>
        <translation>然后拔下键盘并重新插入。</translation>
    </message>
    <message>
        <source>Keyboard disconnected. Plug it in again to go on; your edits are kept.</source>
        <translation>键盘已断开。重新插入键盘即可继续，您的修改会保留。</translation>
    </message>
    <message>
        <source>The keyboard is back, but this user may not open %1.</source>
        <translation>键盘已重新连接，但当前用户无权打开 %1。</translation>
    </message>
    <message>
        <source>Keyboard reconnected.</source>
        <translation>键盘已重新连接。</translation>
    </message>
    <message>
        <source>Unsaved Keymap Edits</source>
        <translation>未保存的配列修改</translation>
    </message>
    <message>
        <source>The keyboard did not answer.</source>
        <translation>键盘没有应答。</translation>
    </message>
    <message>
        <source>The keyboard now uses keymap type %1, but this window shows the layout of type %2: keymaps and indicators are neither written nor read until the program is started again to load that layout.</source>
        <translation>键盘现在使用配列类型 %1，而本窗口显示的是类型 %2 的布局：在重新启动本程序载入该布局之前，不会写入或读取配列和指示灯设置。</translation>
    </message>
    <message>
        <source>Unsaved Edits</source>
        <translation>未保存的修改</translation>
    </message>
    <message>
        <source>Key Test</source>
        <translation>按键测试</translation>
    </message>
    <message>
        <source>Back Up Keyboard…</source>
        <translation>备份键盘…</translation>
    </message>
    <message>
        <source>Save the keymaps, macros and settings of the keyboard to one file</source>
        <translation>把键盘的配列、宏和设置保存到一个文件</translation>
    </message>
    <message>
        <source>Restore Keyboard…</source>
        <translation>恢复键盘…</translation>
    </message>
    <message>
        <source>Write a backup file to the keyboard, then read it back to verify it</source>
        <translation>把备份文件写入键盘，再读回校验</translation>
    </message>
    <message>
        <source>No keyboard layout is loaded that the keymaps can travel with.</source>
        <translation>没有载入可传输配列的键盘布局。</translation>
    </message>
    <message>
        <source>Back Up Keyboard</source>
        <translation>备份键盘</translation>
    </message>
    <message>
        <source>Keyboard backups (*.json)</source>
        <translation>键盘备份 (*.json)</translation>
    </message>
    <message>
        <source>Restore Keyboard</source>
        <translation>恢复键盘</translation>
    </message>
    <message>
        <source>%1 cannot be restored to this keyboard; nothing was written.</source>
        <translation>%1 无法恢复到这个键盘；没有写入任何内容。</translation>
    </message>
    <message>
        <source>It is a backup of %1 with keymap type %2; this keyboard is %3 with keymap type %4.</source>
        <translation>它是 %1（配列类型 %2）的备份；这个键盘是 %3（配列类型 %4）。</translation>
    </message>
    <message>
        <source>The keyboard was restored; every page shows what it holds now.</source>
        <translation>键盘已恢复；每个页面都显示键盘现在保存的内容。</translation>
    </message>
    <message>
        <source>The restore did not complete; every page shows what the keyboard holds now.</source>
        <translation>恢复未完成；每个页面都显示键盘现在保存的内容。</translation>
    </message>
    <message>
        <source>The keyboard&apos;s keymap type is not known since it was changed; keymaps and indicators are neither written nor read until Read Keymap Type on the settings page tells it.</source>
        <translation>键盘映射类型更改后未知；在设置页面的“读取键盘映射类型”确认之前，不会写入或读取键盘映射和指示灯。</translation>
    </message>
    <message>
        <source>What it held before is saved in %1.</source>
        <translation>其之前的内容已保存在 %1。</translation>
    </message>
    <message>
        <source>Back up the keyboard</source>
        <translation>备份键盘</translation>
    </message>
    <message>
        <source>Restore the keyboard from a backup</source>
        <translation>从备份恢复键盘</translation>
    </message>
</context>
<context>
    <name>MainNavigation</name>
    <message>
        <source>Window</source>
        <translation>窗口</translation>
    </message>
    <message>
        <source>This list of shortcuts</source>
        <translation>本快捷键列表</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab、Shift+Tab</translation>
    </message>
    <message>
        <source>Next and previous control</source>
        <translation>下一个和上一个控件</translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation>Space、Enter</translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation>按下有焦点的按钮</translation>
    </message>
</context>
<context>
    <name>RestoreCopies</name>
    <message>
        <source>The folder %1 for the copy of the keyboard cannot be made.</source>
        <translation>无法创建用于保存键盘副本的文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>SettingsTransfer</name>
    <message>
        <source>Success to Apply Indicator Setting</source>
        <translation>应用指示灯设置成功</translation>
    </message>
    <message>
        <source>Fail to Apply Indicator Setting</source>
        <translation>应用指示灯设置失败</translation>
    </message>
    <message>
        <source>Success to Apply Keyboard NKRO Setting</source>
        <translation>应用全键无冲设置成功</translation>
    </message>
    <message>
        <source>Fail to Apply Keyboard NKRO Setting</source>
        <translation>应用全键无冲设置失败</translation>
    </message>
    <message>
        <source>Success to Set Inactive Sleep Time</source>
        <translation>设置休眠时间成功</translation>
    </message>
    <message>
        <source>Fail to Set Inactive Sleep Time</source>
        <translation>设置休眠时间失败</translation>
    </message>
    <message>
        <source>Success to Set Keymap Type</source>
        <translation>设置配列类型成功</translation>
    </message>
    <message>
        <source>Fail to Set Keymap Type</source>
        <translation>设置配列类型失败</translation>
    </message>
    <message>
        <source>Success to Apply Keyboard Wakeup Mode Setting</source>
        <translation>应用唤醒方式成功</translation>
    </message>
    <message>
        <source>Fail to Apply Keyboard Wakeup Mode Setting</source>
        <translation>应用唤醒方式失败</translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Version</source>
        <translation>读取键盘版本失败</translation>
    </message>
    <message>
        <source>Success to Read Keyboard Version</source>
        <translation>读取键盘版本成功</translation>
    </message>
    <message>
        <source>Fail to Read Keyboard SN</source>
        <translation>读取键盘序列号失败</translation>
    </message>
    <message>
        <source>Success to Read Keyboard SN</source>
        <translation>读取键盘序列号成功</translation>
    </message>
    <message>
        <source>Success to Read Keyboard Bluetooth Version</source>
        <translation>读取键盘蓝牙版本成功</translation>
    </message>
    <message>
        <source>Keyboard Bluetooth Not Init</source>
        <translation>键盘蓝牙尚未初始化</translation>
    </message>
    <message>
        <source>Keyboard Bluetooth Not Available</source>
        <translation>键盘蓝牙不可用</translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Bluetooth Version</source>
        <translation>读取键盘蓝牙版本失败</translation>
    </message>
    <message>
        <source>Success to Read Keyboard Bluetooth SN</source>
        <translation>读取键盘蓝牙序列号成功</translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Bluetooth SN</source>
        <translation>读取键盘蓝牙序列号失败</translation>
    </message>
    <message>
        <source>Fail to Read Keyboard NKRO Setting</source>
        <translation>读取全键无冲设置失败</translation>
    </message>
    <message>
        <source>Success to Read Keyboard NKRO Setting</source>
        <translation>读取全键无冲设置成功</translation>
    </message>
    <message>
        <source>Fail to Read Inactive Sleep Time</source>
        <translation>读取休眠时间失败</translation>
    </message>
    <message>
        <source>Success to Read Inactive Sleep Time</source>
        <translation>读取休眠时间成功</translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Wakeup Mode Setting</source>
        <translation>读取唤醒方式失败</translation>
    </message>
    <message>
        <source>Success to Read Keyboard Wakeup Mode Setting</source>
        <translation>读取唤醒方式成功</translation>
    </message>
    <message>
        <source>Fail to Read Indicator Setting</source>
        <translation>读取指示灯设置失败</translation>
    </message>
    <message>
        <source>Success to Read Indicator Setting</source>
        <translation>读取指示灯设置成功</translation>
    </message>
    <message>
        <source>Fail to Get Keymap Type</source>
        <translation>获取配列类型失败</translation>
    </message>
    <message>
        <source>Success to Get Keymap Type</source>
        <translation>获取配列类型成功</translation>
    </message>
    <message>
        <source>设置无线类型成功</source>
        <translation>设置无线类型成功</translation>
    </message>
    <message>
        <source>设置无线类型失败</source>
        <translation>设置无线类型失败</translation>
    </message>
    <message>
        <source>读取无线类型失败</source>
        <translation>读取无线类型失败</translation>
    </message>
    <message>
        <source>读取无线类型成功</source>
        <translation>读取无线类型成功</translation>
    </message>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation>演示模式，请连接键盘后重试。</translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its settings.</source>
        <translation>键盘应答迟到；请重新读取以查看键盘上的设置。</translation>
    </message>
    <message>
        <source>The NKRO setting was applied, but the keyboard holds another one.</source>
        <translation>全键无冲设置已应用，但键盘上保存的是另一种设置。</translation>
    </message>
    <message>
        <source>The sleep time was set, but the keyboard holds another one.</source>
        <translation>休眠时间已设置，但键盘上保存的是另一个时间。</translation>
    </message>
    <message>
        <source>The wake-up mode was applied, but the keyboard holds another one.</source>
        <translation>唤醒方式已应用，但键盘上保存的是另一种方式。</translation>
    </message>
    <message>
        <source>The indicator setting was applied, but the keyboard holds another one.</source>
        <translation>指示灯设置已应用，但键盘上保存的是另一种设置。</translation>
    </message>
    <message>
        <source>The wireless type was set, but the keyboard holds another one.</source>
        <translation>无线类型已设置，但键盘上保存的是另一种类型。</translation>
    </message>
    <message>
        <source>The keymap type was set, but the keyboard holds another one.</source>
        <translation>配列类型已设置，但键盘上保存的是另一种类型。</translation>
    </message>
</context>
<context>
    <name>ShortcutHelp</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Undo &quot;%1&quot; (Ctrl+Z)</source>
        <translation>撤销“%1”(Ctrl+Z)</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <source>Redo &quot;%1&quot; (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>重做“%1”(Ctrl+Shift+Z, Ctrl+Y)</translation>
    </message>
</context>
<context>
    <name>UpdateStage</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>%1 could not be moved aside: %2</source>
        <translation>无法移开 %1：%2</translation>
    </message>
    <message>
        <source>%1 could not be put in place: %2</source>
        <translation>无法将 %1 放到位：%2</translation>
    </message>
    <message>
        <source>%1, and %2 could not be restored: %3</source>
        <translation>%1，并且无法还原 %2：%3</translation>
    </message>
</context>
</TS>
