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
</context>
<context>
    <name>KeymapFile</name>
    <message>
        <source>Failed to Save Keymap File: %1</source>
        <translation>保存配列文件失败：%1</translation>
    </message>
    <message>
        <source>no such keymap</source>
        <translation>不存在该配列</translation>
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
        <source>Macro</source>
        <translation>宏</translation>
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
        <source>no X display</source>
        <translation>没有 X 显示服务</translation>
    </message>
    <message>
        <source>another program holds the keyboard</source>
        <translation>另一个程序占用了键盘</translation>
    </message>
    <message>
        <source>the keyboard hook could not be installed</source>
        <translation>无法安装键盘钩子</translation>
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
        <source>Recording keys typed in this window only (%1).</source>
        <translation>仅录制在本窗口中输入的按键（%1）。</translation>
    </message>
    <message>
        <source>The keyboard cannot play these keys: %1.
They are written as empty keys. Write the macro anyway?</source>
        <translation>键盘无法播放这些按键：%1。
它们将被写成空键。仍然写入该宏吗？</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Please Insert Number From 2 to 15000</source>
        <translation>请输入 2 到 15000 之间的数字</translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation>%1（无法播放）</translation>
    </message>
    <message>
        <source>Unknown key</source>
        <translation>未知按键</translation>
    </message>
    <message>
        <source>Success to Write Macro Data</source>
        <translation>写入宏数据成功</translation>
    </message>
    <message>
        <source>Fail to Write Macro Data</source>
        <translation>写入宏数据失败</translation>
    </message>
    <message>
        <source>Fail to Read Macro Data: the keyboard&apos;s reply is incomplete.</source>
        <translation>读取宏数据失败：键盘的应答不完整。</translation>
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
        <source>Keyboard disconnected. Reconnect it and open it again from the Device Manager.</source>
        <translation>键盘已断开连接。请重新连接键盘，然后在设备管理器中再次打开。</translation>
    </message>
</context>
</TS>
