<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
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
    <name>KeyCodeCombKeyPannel</name>
    <message>
        <source>Left Mod</source>
        <translation>左修饰键</translation>
    </message>
    <message>
        <source>Right Mod</source>
        <translation>右修饰键</translation>
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
        <source>Success to Load Keymap File</source>
        <translation>配列文件载入成功</translation>
    </message>
    <message>
        <source>Failed to Load Keymap File</source>
        <translation>配列文件载入失败</translation>
    </message>
    <message>
        <source>Keymap not written: this layout has more keys than one transfer can carry.</source>
        <translation>未写入配列：此布局的按键数超出了单次传输的上限。</translation>
    </message>
    <message>
        <source>Set Keyboard Keymap </source>
        <translation>写入键盘配列 </translation>
    </message>
    <message>
        <source> Success</source>
        <translation> 成功</translation>
    </message>
    <message>
        <source> Fail</source>
        <translation> 失败</translation>
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
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Undo &quot;%1&quot; (Ctrl+Z)</source>
        <translation>撤销&quot;%1&quot;（Ctrl+Z）</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
    <message>
        <source>Redo &quot;%1&quot; (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>重做&quot;%1&quot;（Ctrl+Shift+Z, Ctrl+Y）</translation>
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
        <source>Copy %1 onto %2</source>
        <translation>把%1复制到%2</translation>
    </message>
    <message>
        <source>Swap %1 with %2</source>
        <translation>交换%1与%2</translation>
    </message>
    <message>
        <source>Keymap not compared: this layout has more keys than one transfer can carry.</source>
        <translation>未比较配列：此布局的按键数超过一次传输所能承载的数量。</translation>
    </message>
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
</context>
<context>
    <name>KeymapFile</name>
    <message>
        <source>no such keymap</source>
        <translation>不存在该配列</translation>
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
        <source>Keyboard disconnected. Reconnect it and restart the program to use it again.</source>
        <translation>键盘已断开。请重新连接键盘并重启本程序后再使用。</translation>
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
        <source>Unsaved Keymap Edits</source>
        <translation>未保存的配列修改</translation>
    </message>
</context>
</TS>
