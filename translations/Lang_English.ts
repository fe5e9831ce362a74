<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Driver developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboards, switches and keycaps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download XML File Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceManager</name>
    <message>
        <source>Device Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Find Device???</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Open Device???</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap Ver:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Find Device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First, Ensure your PC can reach internet so that it can update the latest keymap file automatically. If keymap file cannot be updated automatically, please contact the seller to update manually.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t Open Device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First, Ensure your keyboard connect to PC via wire and it can type words.If still not work,open Control Pannel-&gt;Find Devices and Printers,then remove keyboard device and replug keyboard cable,it will work.Good Luck!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Keymap Json File Failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Keymap Json File Failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralConfigDialog</name>
    <message>
        <source>My Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Keyboard SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Ble SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Keyboard Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Latest Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Bluetooth Firmware Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Bluetooth Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NKRO Setting (Restart Needed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6KRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NKRO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inactive Sleep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wakeup Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CapsLockLed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ScrollLockLed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NumLockLed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.4G</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unifying 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unifying 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unifying 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Null Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As CapsLock Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As ScrollLock Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As NumLock Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Layer1 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Layer2 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Layer3 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Layer4 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Ble Device 1 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Ble Device 2 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Ble Device 3 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As 2.4G Device Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Unifying Device 1 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Unifying Device 2 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Led As Unifying Device 3 Indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard layout is loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No firmware information address is known for this keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware information address is not a web address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Load Firmware Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server did not answer in time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Get Keyboard Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ver: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Apply Indicator Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Apply Indicator Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Apply Keyboard NKRO Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Apply Keyboard NKRO Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Set Inactive Sleep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Set Inactive Sleep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Set Keymap Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Set Keymap Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Apply Keyboard Wakeup Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Apply Keyboard Wakeup Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Keyboard Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Keyboard SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Keyboard SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Keyboard Bluetooth Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Bluetooth Not Init</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Bluetooth Not Available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Bluetooth Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Keyboard Bluetooth SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Bluetooth SN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Keyboard NKRO Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Keyboard NKRO Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Inactive Sleep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Inactive Sleep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Keyboard Wakeup Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Keyboard Wakeup Mode Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Indicator Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Indicator Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Get Keymap Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Get Keymap Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置无线类型成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置无线类型失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取无线类型失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取无线类型成功</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCap</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodeBasicKeyPannel</name>
    <message>
        <source>Character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodeCombKeyPannel</name>
    <message>
        <source>Left Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Mod</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodeDiadKeyPannel</name>
    <message>
        <source>Left Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodeLedKeyPannel</name>
    <message>
        <source>Back Led</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Led</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodePannelBase</name>
    <message>
        <source>Left %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodeSearchPannel</name>
    <message>
        <source>No keycode matches &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyPannel</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyTesterDialog</name>
    <message>
        <source>Light every key pressed on the keyboard and find switches that chatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chatter when pressed again within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second press of a key this soon after its release counts as chatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2x)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 keys pressed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key chattered.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chattering: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every key was pressed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never pressed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A macro is being recorded. Stop the recording first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another window is testing keys. Stop it there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the keys typed into this window are tested: the keyboard could not be taken from the desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing keys: every key goes to this page until Test Keys is switched off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key test off: the keyboard is the desktop&apos;s again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapDialog</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Keymap to Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Keymap from Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Keymap from Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Keymap to Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert to Default Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Current Key Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Led Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diad Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comb Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Func Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard layout is loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap not read: this layout has more keys than one transfer can carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Keymap File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to Save Keymap File: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Save Keymap File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Keymap File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Load Keymap File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to Load Keymap File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap not written: this layout has more keys than one transfer can carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Keyboard Keymap </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Keyboard Keymap </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Keymap %1 was read from the keyboard while the dialog was open.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare Keymap with Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a keycode by its caption or description (Ctrl+F); Enter gives the first match to the selected key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search keycodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right click (or Ctrl+L) to copy or swap layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo &quot;%1&quot; (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo &quot;%1&quot; (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Layer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap Layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy %1 onto %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap %1 with %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap not compared: this layout has more keys than one transfer can carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the keyboard: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap matches the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This layer matches the keyboard; keys on other layers differ: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 key differs from the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 keys differ from the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (and %1 on other layers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 has edits that were neither written to the keyboard nor saved to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymaps %1 have edits that were neither written to the keyboard nor saved to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save before closing? Each keymap goes to a file of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to Load Keymap File: it cannot be read or is not a keymap file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading keymap %1 from the keyboard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 was not read from the keyboard; writing replaces all of it with the keys shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 could not be read from the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 was changed before the keyboard answered, so it still shows your keys; Download shows the keyboard&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 shows what the keyboard holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the four layers of this keymap or save them as PDF, PNG or SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart as PDF, PNG or SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Layer Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF, one layer a page (*.pdf);;PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layer chart was saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layer chart could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Layer Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layer chart went to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layer chart could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapFile</name>
    <message>
        <source>no such keymap</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayerChart</name>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pages could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for the picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkGood</name>
    <message>
        <source>NOVA_PL</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Start Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rec Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another window is recording a macro. Stop it there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no X display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard hook could not be installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the connection to the display was lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the key recorder does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording keys typed in this window only (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard cannot play these keys: %1.
They are written as empty keys. Write the macro anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Insert Number From 2 to 15000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (cannot be played)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Write Macro Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Write Macro Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Macro Data: the keyboard&apos;s reply is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to Macro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key Tap...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key Down...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key Up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Delay (%1 ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a key at the chosen row, or at the end (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a pause of the length below at the chosen row, or at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen row up (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen row down (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the chosen row (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a text and insert the keys that type it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the shown macro to another macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all actions of the shown macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read macros from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save macros to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions of the shown macro / the most a macro holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Macros...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown Macro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is full: a macro holds at most %2 actions. Delete some to make room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has room for %2 more actions, but this needs %3. A macro holds at most %4 actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 actions)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already has %2 actions. Replace them with the %3 actions of %4?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copied to %2; write it to keep it on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all %1 actions of %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro files (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be imported; no macro was changed.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing replaces these macros, which are not empty: %1. Import?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 macros imported from %2; write them to keep them on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export All Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It leaves these keys down: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It releases keys it never pressed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write As It Is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Key-Ups at End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the missing key-ups at the end, write the macro as it is, or cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the macro as it is, or cancel?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stuck Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may leave the computer with stuck keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro read from the keyboard was not shown: a recording was running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording replaces the %1 actions of %2; Undo brings them back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo &quot;%1&quot; (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo &quot;%1&quot; (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 has edits that were neither written to the keyboard nor exported to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros %1 have edits that were neither written to the keyboard nor exported to a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save before closing? All macros go to one macro file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroFile</name>
    <message>
        <source>The file is larger than %1 KB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a macro file of this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no format version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has format version %1; this program reads version %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no list of macros.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no macro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 macros; there are only %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry %1 of the macro list has no macro number from 1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 is in the file twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 has no list of actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 has %2 actions; a macro holds at most %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1, action %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an object with a type and a value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no known type; the types are &quot;down&quot;, &quot;up&quot; and &quot;delay&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: a delay is a whole number of milliseconds from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the value is not a virtual-key code from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroKeyChooser</name>
    <message>
        <source>Insert Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key goes down and up again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key goes down and stays down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A key held down goes up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here and press the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While this field is chosen, the key you press is chosen, whatever it does elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Or search the keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual-key code 0x%1, HID usage 0x%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keypad %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This key is not one the keyboard can play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a key the keyboard can play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the key now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No key matches &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroStore</name>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroTextDialog</name>
    <message>
        <source>Text to Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text is typed as on a US keyboard: letters, digits, the symbols of the main keys, spaces, tabs and line breaks (Enter). Shift is held for capitals and shifted symbols.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text to type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay between keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These characters cannot be typed: %1. Remove them to insert the text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text takes %1 actions, but %2 has room for only %3 more (a macro holds at most 120).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has room for %2 more actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text takes %1 of the %2 actions %3 has room for.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainDialog</name>
    <message>
        <source>Driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Led</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Led</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comming Soon!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Device Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> not found,Please reconnect the keyboard to your computer and try again. 
Click &quot;Ignore&quot; to demo mode, click &quot;Close&quot; to exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Driver (DEMO MODE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Driver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too much data for the keyboard, nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect failed,Please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout for this keyboard is missing or unusable: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Access Denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click &quot;Ignore&quot; to demo mode, click &quot;Close&quot; to exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is plugged in, but this user may not open it (%2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Linux, access to the keyboard comes from the udev rule installed with the program&apos;s package. Without the package, install the rule (packaging/70-driver-keyboard.rules in the source folder) as root:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Then unplug the keyboard and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard disconnected. Plug it in again to go on; your edits are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard is back, but this user may not open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard reconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Keymap Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its keymap.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its macro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard now uses keymap type %1, but this window shows the layout of type %2: keymaps and indicators are neither written nor read until the program is started again to load that layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
