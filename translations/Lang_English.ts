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
    <message>
        <source>These product pictures could not be downloaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web shop is configured</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupDialog</name>
    <message>
        <source>Keyboard Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the keymaps, macros and settings of %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 to compare it with the backup…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the backup to %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard already holds this backup. Restore writes it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring changes this on %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 back to verify it…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not written; it is the keyboard&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored and verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 parts were restored and verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written: what the keyboard holds could not be saved first. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the keyboard held before is saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing back what the keyboard held before, from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restore stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backed up to %1, the file the link %2 points to.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupFile</name>
    <message>
        <source>The file is not valid JSON (%1 at byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a keyboard backup.</source>
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
        <source>The file names no keyboard model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no keymap type from 0 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s grid has no row count from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file&apos;s grid has no column count from 1 to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not hold the %1 keymaps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 does not hold %2 layers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1, layer %2 is not %3 rows of %4 key codes from 0 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 macros instead of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings are incomplete or out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macros are not numbered 1 to %1, each once with at most %2 actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1, action %2 is not a key, a pause or a stored word within range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be restored, so it was not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackupJob</name>
    <message>
        <source>The keyboard&apos;s answer for %1 is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard was unplugged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the keyboard cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s key grid is not the keyboard&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: now holds the backup&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 now hold the backup&apos;s; the others are unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: number %2 may be half written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: may be half written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartCommands</name>
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
    <name>CommandLine</name>
    <message>
        <source>Backs up and restores a whole NOVA keyboard: its four keymaps, its 32 macros and its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the plugged keyboards, one per line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the whole keyboard into &lt;file&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes &lt;file&gt; to the keyboard, reads it back and verifies it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard to use when several are plugged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder whose config/ holds the device index and layouts (default: the current folder).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: the device index %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: no plugged keyboard is called %1 (see --list).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: no keyboard is plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: several keyboards are plugged in (%1); choose one with --model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: %1 may not be opened by this user (%2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: %1 could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: the layout %1 is missing or unusable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: %1 holds a backup of %2 with keymap type %3; the keyboard is %4 with keymap type %5. Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: the backup failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: %1 could not be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 backed up to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: the keyboard could not be read back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: NOT restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: not restored: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 backed up to %2, the file the link %3 points to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: the keyboard could not be read before the restore: %1 Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: what the keyboard holds could not be saved first, so nothing was written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the keyboard held before is saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: to undo the restore: driver --restore %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it was interrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: the restore stopped: %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --list or --backup: prints one JSON document instead of lines of text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the program&apos;s debug lines on stderr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>driver: %1 (see --help).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a %2, not &apos;%3&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one of --list, --backup FILE or --restore FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json goes with --list or --backup</source>
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
    <message numerus="yes">
        <source>%n keyboard(s) found (looked at %1).</source>
        <translation>
            <numerusform>%n keyboard found (looked at %1).</numerusform>
            <numerusform>%n keyboards found (looked at %1).</numerusform>
        </translation>
    </message>
    <message>
        <source>First, make sure the keyboard is connected by its cable and types in other programs. If it still cannot be opened, this user may not open its device node (/dev/hidraw*).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s version text is unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server&apos;s device index is unusable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the files in the config folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated to version %1; press Refresh to use it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the layout %1 from the server is unusable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (serial number %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (USB port %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (keyboard %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard is plugged in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard found (looked at %1). Demo works without one: choose a model under &quot;Demo&quot; and press &quot;Demo&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboards that are plugged in report their own keymap type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only demo models with keymap types offer a choice here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keymap type the demo shows.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Download</name>
    <message>
        <source>the server did not answer in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent more than expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server sent a compressed reply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server answered with status %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No download server is configured</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSaver</name>
    <message>
        <source>%1 The file that was there is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file; nothing was saved in its place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved: what was written does not read back the same.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user or group, and a saved copy could not keep that owner: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a link to %2, which does not exist; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved, but it does not read back the same; the disk may be failing.</source>
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
        <source>Keys outlined in blue have an indicator LED: choose one, then its function below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无线功能管理</source>
        <translation>Wireless module</translation>
    </message>
    <message>
        <source>不启用</source>
        <translation>No wireless module</translation>
    </message>
    <message>
        <source>ZRF 2.4G模块</source>
        <translation>ZRF 2.4G module</translation>
    </message>
    <message>
        <source>蓝牙模块</source>
        <translation>Bluetooth module</translation>
    </message>
    <message>
        <source>设置无线功能</source>
        <translation>Set Wireless Type</translation>
    </message>
    <message>
        <source>读取无线功能</source>
        <translation>Read Wireless Type</translation>
    </message>
    <message>
        <source>配列类型管理</source>
        <translation>Keymap type</translation>
    </message>
    <message>
        <source>40 常规配列 | 60 Poker配列</source>
        <translation>40 standard layout | 60 Poker layout</translation>
    </message>
    <message>
        <source>40 普朗克配列 | 64 非左移动配列</source>
        <translation>40 Planck layout | 64 layout without left shift</translation>
    </message>
    <message>
        <source>64 左移配列</source>
        <translation>64 layout with left shift</translation>
    </message>
    <message>
        <source>60 Minila配列</source>
        <translation>60 Minila layout</translation>
    </message>
    <message>
        <source>设置配列类型</source>
        <translation>Set Keymap Type</translation>
    </message>
    <message>
        <source>读取配列类型</source>
        <translation>Read Keymap Type</translation>
    </message>
    <message>
        <source>蓝牙优联模块</source>
        <translation>Bluetooth + Unifying module</translation>
    </message>
    <message>
        <source>USB单模</source>
        <translation>USB only</translation>
    </message>
    <message>
        <source>USB-BLE双模</source>
        <translation>USB + Bluetooth (two modes)</translation>
    </message>
    <message>
        <source>USB-BLE-ZRF三模</source>
        <translation>USB + Bluetooth + 2.4G (three modes)</translation>
    </message>
    <message>
        <source>USB-BLE-LOGI三模</source>
        <translation>USB + Bluetooth + Unifying (three modes)</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ILedAssignment</name>
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
        <source>This key has an indicator LED: choose it, then its function below</source>
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
    <name>KeyCodeCatalogue</name>
    <message>
        <source>空按键</source>
        <translation>No key</translation>
    </message>
    <message>
        <source>字母A</source>
        <translation>Letter A</translation>
    </message>
    <message>
        <source>字母B</source>
        <translation>Letter B</translation>
    </message>
    <message>
        <source>字母C</source>
        <translation>Letter C</translation>
    </message>
    <message>
        <source>字母D</source>
        <translation>Letter D</translation>
    </message>
    <message>
        <source>字母E</source>
        <translation>Letter E</translation>
    </message>
    <message>
        <source>字母F</source>
        <translation>Letter F</translation>
    </message>
    <message>
        <source>字母G</source>
        <translation>Letter G</translation>
    </message>
    <message>
        <source>字母H</source>
        <translation>Letter H</translation>
    </message>
    <message>
        <source>字母I</source>
        <translation>Letter I</translation>
    </message>
    <message>
        <source>字母J</source>
        <translation>Letter J</translation>
    </message>
    <message>
        <source>字母K</source>
        <translation>Letter K</translation>
    </message>
    <message>
        <source>字母L</source>
        <translation>Letter L</translation>
    </message>
    <message>
        <source>字母M</source>
        <translation>Letter M</translation>
    </message>
    <message>
        <source>字母N</source>
        <translation>Letter N</translation>
    </message>
    <message>
        <source>字母O</source>
        <translation>Letter O</translation>
    </message>
    <message>
        <source>字母P</source>
        <translation>Letter P</translation>
    </message>
    <message>
        <source>字母Q</source>
        <translation>Letter Q</translation>
    </message>
    <message>
        <source>字母R</source>
        <translation>Letter R</translation>
    </message>
    <message>
        <source>字母S</source>
        <translation>Letter S</translation>
    </message>
    <message>
        <source>字母T</source>
        <translation>Letter T</translation>
    </message>
    <message>
        <source>字母U</source>
        <translation>Letter U</translation>
    </message>
    <message>
        <source>字母V</source>
        <translation>Letter V</translation>
    </message>
    <message>
        <source>字母W</source>
        <translation>Letter W</translation>
    </message>
    <message>
        <source>字母X</source>
        <translation>Letter X</translation>
    </message>
    <message>
        <source>字母Y</source>
        <translation>Letter Y</translation>
    </message>
    <message>
        <source>字母Z</source>
        <translation>Letter Z</translation>
    </message>
    <message>
        <source>数字1</source>
        <translation>Digit 1</translation>
    </message>
    <message>
        <source>数字2</source>
        <translation>Digit 2</translation>
    </message>
    <message>
        <source>数字3</source>
        <translation>Digit 3</translation>
    </message>
    <message>
        <source>数字4</source>
        <translation>Digit 4</translation>
    </message>
    <message>
        <source>数字5</source>
        <translation>Digit 5</translation>
    </message>
    <message>
        <source>数字6</source>
        <translation>Digit 6</translation>
    </message>
    <message>
        <source>数字7</source>
        <translation>Digit 7</translation>
    </message>
    <message>
        <source>数字8</source>
        <translation>Digit 8</translation>
    </message>
    <message>
        <source>数字9</source>
        <translation>Digit 9</translation>
    </message>
    <message>
        <source>数字0</source>
        <translation>Digit 0</translation>
    </message>
    <message>
        <source>回车键</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>退出键</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>退格键</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>跳格键</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>空格键</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>破折号/减号</source>
        <translation>Underscore / minus</translation>
    </message>
    <message>
        <source>加号/等号</source>
        <translation>Plus / equals</translation>
    </message>
    <message>
        <source>左大括号/左中括号</source>
        <translation>Left brace / left bracket</translation>
    </message>
    <message>
        <source>右大括号/右中括号</source>
        <translation>Right brace / right bracket</translation>
    </message>
    <message>
        <source>竖线/右斜杠</source>
        <translation>Vertical bar / backslash</translation>
    </message>
    <message>
        <source>冒号/分号</source>
        <translation>Colon / semicolon</translation>
    </message>
    <message>
        <source>双引号/单引号</source>
        <translation>Double quote / single quote</translation>
    </message>
    <message>
        <source>波浪号/着重号</source>
        <translation>Tilde / grave accent</translation>
    </message>
    <message>
        <source>左书名号/逗号</source>
        <translation>Less-than / comma</translation>
    </message>
    <message>
        <source>右书名号/句号</source>
        <translation>Greater-than / full stop</translation>
    </message>
    <message>
        <source>问号/左斜杠</source>
        <translation>Question mark / slash</translation>
    </message>
    <message>
        <source>大写锁定键</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>功能键F1</source>
        <translation>Function key F1</translation>
    </message>
    <message>
        <source>功能键F2</source>
        <translation>Function key F2</translation>
    </message>
    <message>
        <source>功能键F3</source>
        <translation>Function key F3</translation>
    </message>
    <message>
        <source>功能键F4</source>
        <translation>Function key F4</translation>
    </message>
    <message>
        <source>功能键F5</source>
        <translation>Function key F5</translation>
    </message>
    <message>
        <source>功能键F6</source>
        <translation>Function key F6</translation>
    </message>
    <message>
        <source>功能键F7</source>
        <translation>Function key F7</translation>
    </message>
    <message>
        <source>功能键F8</source>
        <translation>Function key F8</translation>
    </message>
    <message>
        <source>功能键F9</source>
        <translation>Function key F9</translation>
    </message>
    <message>
        <source>功能键F10</source>
        <translation>Function key F10</translation>
    </message>
    <message>
        <source>功能键F11</source>
        <translation>Function key F11</translation>
    </message>
    <message>
        <source>功能键F12</source>
        <translation>Function key F12</translation>
    </message>
    <message>
        <source>打印屏幕</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>滚动条锁定</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>暂停/中断键</source>
        <translation>Pause / Break</translation>
    </message>
    <message>
        <source>插入/改写键</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>起始键</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>向上翻页键</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>删除键</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>结尾键</source>
        <translation>End</translation>
    </message>
    <message>
        <source>向下翻页键</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>方向右</source>
        <translation>Right arrow</translation>
    </message>
    <message>
        <source>方向左</source>
        <translation>Left arrow</translation>
    </message>
    <message>
        <source>方向下</source>
        <translation>Down arrow</translation>
    </message>
    <message>
        <source>方向上</source>
        <translation>Up arrow</translation>
    </message>
    <message>
        <source>数字锁定键</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>小键盘除号</source>
        <translation>Keypad divide</translation>
    </message>
    <message>
        <source>小键盘乘号</source>
        <translation>Keypad multiply</translation>
    </message>
    <message>
        <source>小键盘减号</source>
        <translation>Keypad minus</translation>
    </message>
    <message>
        <source>小键盘加号</source>
        <translation>Keypad plus</translation>
    </message>
    <message>
        <source>小键盘回车键</source>
        <translation>Keypad Enter</translation>
    </message>
    <message>
        <source>小键盘数字1</source>
        <translation>Keypad 1</translation>
    </message>
    <message>
        <source>小键盘数字2</source>
        <translation>Keypad 2</translation>
    </message>
    <message>
        <source>小键盘数字3</source>
        <translation>Keypad 3</translation>
    </message>
    <message>
        <source>小键盘数字4</source>
        <translation>Keypad 4</translation>
    </message>
    <message>
        <source>小键盘数字5</source>
        <translation>Keypad 5</translation>
    </message>
    <message>
        <source>小键盘数字6</source>
        <translation>Keypad 6</translation>
    </message>
    <message>
        <source>小键盘数字7</source>
        <translation>Keypad 7</translation>
    </message>
    <message>
        <source>小键盘数字8</source>
        <translation>Keypad 8</translation>
    </message>
    <message>
        <source>小键盘数字9</source>
        <translation>Keypad 9</translation>
    </message>
    <message>
        <source>小键盘数字0</source>
        <translation>Keypad 0</translation>
    </message>
    <message>
        <source>小键盘点号</source>
        <translation>Keypad decimal point</translation>
    </message>
    <message>
        <source>MENU键</source>
        <translation>Menu key</translation>
    </message>
    <message>
        <source>宏定义1</source>
        <translation>Macro 1</translation>
    </message>
    <message>
        <source>宏定义2</source>
        <translation>Macro 2</translation>
    </message>
    <message>
        <source>宏定义3</source>
        <translation>Macro 3</translation>
    </message>
    <message>
        <source>宏定义4</source>
        <translation>Macro 4</translation>
    </message>
    <message>
        <source>宏定义5</source>
        <translation>Macro 5</translation>
    </message>
    <message>
        <source>宏定义6</source>
        <translation>Macro 6</translation>
    </message>
    <message>
        <source>宏定义7</source>
        <translation>Macro 7</translation>
    </message>
    <message>
        <source>宏定义8</source>
        <translation>Macro 8</translation>
    </message>
    <message>
        <source>宏定义9</source>
        <translation>Macro 9</translation>
    </message>
    <message>
        <source>宏定义10</source>
        <translation>Macro 10</translation>
    </message>
    <message>
        <source>宏定义11</source>
        <translation>Macro 11</translation>
    </message>
    <message>
        <source>宏定义12</source>
        <translation>Macro 12</translation>
    </message>
    <message>
        <source>背光灯开启/关闭</source>
        <translation>Backlight: on / off</translation>
    </message>
    <message>
        <source>背光灯后一灯效</source>
        <translation>Backlight: next effect</translation>
    </message>
    <message>
        <source>背光灯前一灯效</source>
        <translation>Backlight: previous effect</translation>
    </message>
    <message>
        <source>背光灯亮度增大或频率加快</source>
        <translation>Backlight: brighter or faster</translation>
    </message>
    <message>
        <source>背光灯亮度减小或频率减慢</source>
        <translation>Backlight: dimmer or slower</translation>
    </message>
    <message>
        <source>背光灯色相增大(仅RGB有效)</source>
        <translation>Backlight: hue up (RGB only)</translation>
    </message>
    <message>
        <source>背光灯色相减小(仅RGB有效)</source>
        <translation>Backlight: hue down (RGB only)</translation>
    </message>
    <message>
        <source>背光灯饱和度增大(仅RGB有效)</source>
        <translation>Backlight: saturation up (RGB only)</translation>
    </message>
    <message>
        <source>背光灯饱和度减小(仅RGB有效)</source>
        <translation>Backlight: saturation down (RGB only)</translation>
    </message>
    <message>
        <source>背光灯亮度增大(仅RGB有效)</source>
        <translation>Backlight: brightness up (RGB only)</translation>
    </message>
    <message>
        <source>背光灯亮度减小(仅RGB有效)</source>
        <translation>Backlight: brightness down (RGB only)</translation>
    </message>
    <message>
        <source>静音</source>
        <translation>Mute</translation>
    </message>
    <message>
        <source>音量增大</source>
        <translation>Volume up</translation>
    </message>
    <message>
        <source>音量减小</source>
        <translation>Volume down</translation>
    </message>
    <message>
        <source>下一曲</source>
        <translation>Next track</translation>
    </message>
    <message>
        <source>上一曲</source>
        <translation>Previous track</translation>
    </message>
    <message>
        <source>多媒体停止键</source>
        <translation>Media stop</translation>
    </message>
    <message>
        <source>多媒体播放暂停键</source>
        <translation>Media play / pause</translation>
    </message>
    <message>
        <source>多媒体选择键</source>
        <translation>Media select</translation>
    </message>
    <message>
        <source>邮件</source>
        <translation>Mail</translation>
    </message>
    <message>
        <source>计算器</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>计算机</source>
        <translation>My computer</translation>
    </message>
    <message>
        <source>互联网搜索</source>
        <translation>Browser search</translation>
    </message>
    <message>
        <source>互联网主页</source>
        <translation>Browser home</translation>
    </message>
    <message>
        <source>互联网后退</source>
        <translation>Browser back</translation>
    </message>
    <message>
        <source>互联网前进</source>
        <translation>Browser forward</translation>
    </message>
    <message>
        <source>互联网停止</source>
        <translation>Browser stop</translation>
    </message>
    <message>
        <source>互联网刷新</source>
        <translation>Browser refresh</translation>
    </message>
    <message>
        <source>互联网收藏夹</source>
        <translation>Browser favourites</translation>
    </message>
    <message>
        <source>瞬时开启层2</source>
        <translation>Layer 2 while held</translation>
    </message>
    <message>
        <source>瞬时开启层3</source>
        <translation>Layer 3 while held</translation>
    </message>
    <message>
        <source>瞬时开启层4</source>
        <translation>Layer 4 while held</translation>
    </message>
    <message>
        <source>开启/关闭层2</source>
        <translation>Turn layer 2 on / off</translation>
    </message>
    <message>
        <source>开启/关闭层3</source>
        <translation>Turn layer 3 on / off</translation>
    </message>
    <message>
        <source>开启/关闭层4</source>
        <translation>Turn layer 4 on / off</translation>
    </message>
    <message>
        <source>切换至配列1</source>
        <translation>Switch to keymap 1</translation>
    </message>
    <message>
        <source>切换至配列2</source>
        <translation>Switch to keymap 2</translation>
    </message>
    <message>
        <source>切换至配列3</source>
        <translation>Switch to keymap 3</translation>
    </message>
    <message>
        <source>切换至配列4</source>
        <translation>Switch to keymap 4</translation>
    </message>
    <message>
        <source>蓝牙设备1（单击切换设备,长按3s重新配对）</source>
        <translation>Bluetooth device 1 (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>蓝牙设备2（单击切换设备,长按3s重新配对）</source>
        <translation>Bluetooth device 2 (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>蓝牙设备3（单击切换设备,长按3s重新配对）</source>
        <translation>Bluetooth device 3 (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>优联1</source>
        <translation>Unif 1</translation>
    </message>
    <message>
        <source>罗技优联设备1（单击切换设备,长按3s重新配对）</source>
        <translation>Unifying device 1 (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>优联2</source>
        <translation>Unif 2</translation>
    </message>
    <message>
        <source>罗技优联设备2（单击切换设备,长按3s重新配对）</source>
        <translation>Unifying device 2 (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>优联3</source>
        <translation>Unif 3</translation>
    </message>
    <message>
        <source>罗技优联设备3（单击切换设备,长按3s重新配对）</source>
        <translation>Unifying device 3 (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>2.4G设备（单击切换设备,长按3s重新配对）</source>
        <translation>2.4G device (click to switch devices, hold 3 s to pair again)</translation>
    </message>
    <message>
        <source>底灯开启/关闭</source>
        <translation>Bottom light: on / off</translation>
    </message>
    <message>
        <source>底灯后一灯效</source>
        <translation>Bottom light: next effect</translation>
    </message>
    <message>
        <source>底灯前一灯效</source>
        <translation>Bottom light: previous effect</translation>
    </message>
    <message>
        <source>底灯亮度增大或频率加快</source>
        <translation>Bottom light: brighter or faster</translation>
    </message>
    <message>
        <source>底灯亮度减小或频率减慢</source>
        <translation>Bottom light: dimmer or slower</translation>
    </message>
    <message>
        <source>底灯色相增大</source>
        <translation>Bottom light: hue up</translation>
    </message>
    <message>
        <source>底灯色相减小</source>
        <translation>Bottom light: hue down</translation>
    </message>
    <message>
        <source>底灯饱和度增大</source>
        <translation>Bottom light: saturation up</translation>
    </message>
    <message>
        <source>底灯饱和度减小</source>
        <translation>Bottom light: saturation down</translation>
    </message>
    <message>
        <source>底灯亮度增大</source>
        <translation>Bottom light: brightness up</translation>
    </message>
    <message>
        <source>底灯亮度减小</source>
        <translation>Bottom light: brightness down</translation>
    </message>
    <message>
        <source>宏定义13</source>
        <translation>Macro 13</translation>
    </message>
    <message>
        <source>宏定义14</source>
        <translation>Macro 14</translation>
    </message>
    <message>
        <source>宏定义15</source>
        <translation>Macro 15</translation>
    </message>
    <message>
        <source>宏定义16</source>
        <translation>Macro 16</translation>
    </message>
    <message>
        <source>宏定义17</source>
        <translation>Macro 17</translation>
    </message>
    <message>
        <source>宏定义18</source>
        <translation>Macro 18</translation>
    </message>
    <message>
        <source>宏定义19</source>
        <translation>Macro 19</translation>
    </message>
    <message>
        <source>宏定义20</source>
        <translation>Macro 20</translation>
    </message>
    <message>
        <source>宏定义21</source>
        <translation>Macro 21</translation>
    </message>
    <message>
        <source>宏定义22</source>
        <translation>Macro 22</translation>
    </message>
    <message>
        <source>宏定义23</source>
        <translation>Macro 23</translation>
    </message>
    <message>
        <source>宏定义24</source>
        <translation>Macro 24</translation>
    </message>
    <message>
        <source>宏定义25</source>
        <translation>Macro 25</translation>
    </message>
    <message>
        <source>宏定义26</source>
        <translation>Macro 26</translation>
    </message>
    <message>
        <source>宏定义27</source>
        <translation>Macro 27</translation>
    </message>
    <message>
        <source>宏定义28</source>
        <translation>Macro 28</translation>
    </message>
    <message>
        <source>宏定义29</source>
        <translation>Macro 29</translation>
    </message>
    <message>
        <source>宏定义30</source>
        <translation>Macro 30</translation>
    </message>
    <message>
        <source>宏定义31</source>
        <translation>Macro 31</translation>
    </message>
    <message>
        <source>宏定义32</source>
        <translation>Macro 32</translation>
    </message>
    <message>
        <source>左控制键</source>
        <translation>Left Ctrl</translation>
    </message>
    <message>
        <source>左上档键</source>
        <translation>Left Shift</translation>
    </message>
    <message>
        <source>左换挡键</source>
        <translation>Left Alt</translation>
    </message>
    <message>
        <source>左Win键</source>
        <translation>Left Win</translation>
    </message>
    <message>
        <source>右控制键</source>
        <translation>Right Ctrl</translation>
    </message>
    <message>
        <source>右上档键</source>
        <translation>Right Shift</translation>
    </message>
    <message>
        <source>右换挡键</source>
        <translation>Right Alt</translation>
    </message>
    <message>
        <source>右Win键</source>
        <translation>Right Win</translation>
    </message>
    <message>
        <source>进入低功耗状态</source>
        <translation>Go to sleep (low power)</translation>
    </message>
    <message>
        <source>显示电池电量</source>
        <translation>Show battery level</translation>
    </message>
    <message>
        <source>二合一按键:</source>
        <translation>Dual-role key: </translation>
    </message>
    <message>
        <source>组合按键:</source>
        <translation>Combination key: </translation>
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
    <message>
        <source>Makes the selected key send the ticked modifiers together with it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyCodeDescription</name>
    <message>
        <source>unknown key 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the selected key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown key code 0x%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays macro %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 when held, %2 when tapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer %1 while held, %2 when tapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sent together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual-role key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layer key</source>
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
    <message>
        <source>二合一按键，长按或组合按键实现</source>
        <translation>Dual-role key: the key when tapped, the layer while held or pressed with another key</translation>
    </message>
    <message>
        <source>Makes the selected key act as the ticked modifiers while held and as itself when tapped</source>
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
    <message>
        <source>row %1, key %2</source>
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
    <message>
        <source>The caps show keymap 1 as the keyboard holds it (its first layer).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard&apos;s keymap 1 is not read yet: the caps show the layout&apos;s own keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hatched caps (Fn, layer and lighting keys) never reach the computer, so they cannot be tested here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start this test&apos;s counts afresh; the counts kept for the heat map stay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour each key by how often it was pressed, over every test of this keyboard model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget the presses kept for the heat map of this keyboard model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept key counts could not be read; the heat map starts again from nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key counts could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressed once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressed %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forget every press kept for the heat map of this keyboard model? This cannot be undone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The kept key counts were cleared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key counts could not be cleared: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key tester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or stop the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset this test&apos;s counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the heat map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the heat map&apos;s counts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyUseChart</name>
    <message>
        <source>Key use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presses counted by the key tester, fewest to most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeyboardBackup</name>
    <message>
        <source>Keymap %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key rollover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wake-up mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indicator LEDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1: %2 key codes change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros %1 change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless type differs; it is the keyboard&apos;s own and is not written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: written and verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the keyboard refused it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: written, but the keyboard holds something else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its key grid of %1 x %2 cannot be written to a keyboard; the keyboard&apos;s layout file is missing or wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its keymap type %1 is not one a keyboard has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1, layer %2 does not hold %3 key codes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 has more than %2 actions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator LEDs do not cover the %1 keys of the grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its key rollover or wake-up mode is not one the keyboard can be set to.</source>
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
        <source>Keymap not written: this layout has more keys than one transfer can carry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Success</source>
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
        <source>Keymap not compared: this layout has more keys than one transfer can carry.</source>
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
        <source>Write Keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 was not read from the keyboard; writing replaces all of it with the keys shown here.</source>
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
        <source>Keyboard Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymaps %1 had edits that were not written to the keyboard. Keep them? With No, every keymap shows what the keyboard now holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual-role keys: a modifier or layer while held, the key when tapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination keys: modifiers and key sent together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write each change to the keyboard at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the next key after each assignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Key</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapDiffOverlay</name>
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
</context>
<context>
    <name>KeymapFile</name>
    <message>
        <source>no such keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keymap could not be written out.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapFiles</name>
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
        <source>XML文件(*.xml)</source>
        <translation>XML files (*.xml)</translation>
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
        <source>Failed to Load Keymap File: it cannot be read or is not a keymap file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapKeyboardUse</name>
    <message>
        <source>Keymap page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow keys, Home, End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the key that way on the keyboard picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On a key: the layer before or after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the focused key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the focused key and search the code to put on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter in the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the first match on the key and go back to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down in the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the matches; Enter puts one on the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape in the search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty the search and go back to the key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the keycodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the keymap to the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the keymap from the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with the keyboard&apos;s keymap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a keymap file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the keymap to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or print the layer chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the layout&apos;s default keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the chosen key</source>
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
        <source>Copy or swap layers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live: write each edit at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Key: go on to the next key after setting one</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapLayerMenu</name>
    <message>
        <source>Copy %1 onto %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Swap %1 with %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapLiveMode</name>
    <message>
        <source>Live mode is off: the keyboard was disconnected. Your edits are kept as unsaved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live mode is off: the keyboard no longer reads its keys in this layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live mode is off: keymap %1 was not read from the keyboard yet. Your edits are kept as unsaved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live mode is off: keymap %1 could not be written. Your edits are kept as unsaved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live mode is off: the keyboard did not confirm keymap %1. Your edits are kept as unsaved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapPannelView</name>
    <message>
        <source>not what the keyboard holds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapPickers</name>
    <message>
        <source>Clear the search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapTransfer</name>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 is written once the keyboard has confirmed the write before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading keymap %1 from the keyboard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Keyboard Keymap </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Keyboard Keymap </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 was written, but could not be read back; Download shows what the keyboard holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 was written, but the keyboard holds something else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 could not be read from the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 still shows your keys, which differ from the keyboard&apos;s; Download shows the keyboard&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keymap %1 shows what the keyboard holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its keymap.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapTypeChoice</name>
    <message>
        <source>No layout of this keyboard has this keymap type (%1 is missing or unusable), so the window could not show its keys.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeymapTypeQuestion</name>
    <message>
        <source>keymaps: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>macros: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard will read its keys in the arrangement of keymap type %1 (%2): its keymaps then mean other keys. Once the keyboard has taken it, this window closes, and a window with the layout of that type opens and reads the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unsaved edits are lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edits neither written nor saved are lost (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Keymap Type</source>
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
    <message>
        <source>Dual-role key: a modifier or layer while held, the key when tapped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combination key: modifiers and key sent together</source>
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
    <name>LocalFile</name>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 KB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroDelayEdit</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Insert Number From 2 to 15000</source>
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
        <source>Another window is recording a macro. Stop it there first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Rec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
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
        <source>Keyboard Restored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros %1 had edits that were not written to the keyboard. Keep them? With No, every macro shows what the keyboard now holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The key test holds the keyboard. Switch Test Keys off first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay that Insert Delay adds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroEditTools</name>
    <message>
        <source>%1 (%2 actions)</source>
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
        <source>Copy the shown macro to another macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the chosen row (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Delay (%1 ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key Down...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key Tap...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Key Up...</source>
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
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen row down (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen row up (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read macros from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all actions of the shown macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save macros to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shown Macro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a text and insert the keys that type it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start or stop recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert a pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen row up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the chosen row down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the chosen row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a text as keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the macro to another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a macro file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the macros to the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the macros from the keyboard</source>
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
        <source>%1: the value is not a virtual-key code from %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroFiles</name>
    <message>
        <source>%1 cannot be imported; no macro was changed.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 macros imported from %2; write them to keep them on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export All Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Macros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing replaces these macros, which are not empty: %1. Import?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro files (*.%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macros saved to %1</source>
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
    <message>
        <source>Clear the search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroKeyTable</name>
    <message>
        <source>数字小键盘0</source>
        <translation>Keypad 0</translation>
    </message>
    <message>
        <source>数字小键盘1</source>
        <translation>Keypad 1</translation>
    </message>
    <message>
        <source>数字小键盘2</source>
        <translation>Keypad 2</translation>
    </message>
    <message>
        <source>数字小键盘3</source>
        <translation>Keypad 3</translation>
    </message>
    <message>
        <source>数字小键盘4</source>
        <translation>Keypad 4</translation>
    </message>
    <message>
        <source>数字小键盘5</source>
        <translation>Keypad 5</translation>
    </message>
    <message>
        <source>数字小键盘6</source>
        <translation>Keypad 6</translation>
    </message>
    <message>
        <source>数字小键盘7</source>
        <translation>Keypad 7</translation>
    </message>
    <message>
        <source>数字小键盘8</source>
        <translation>Keypad 8</translation>
    </message>
    <message>
        <source>数字小键盘9</source>
        <translation>Keypad 9</translation>
    </message>
    <message>
        <source>数字小键盘+</source>
        <translation>Keypad +</translation>
    </message>
    <message>
        <source>数字小键盘-</source>
        <translation>Keypad -</translation>
    </message>
    <message>
        <source>数字小键盘*</source>
        <translation>Keypad *</translation>
    </message>
    <message>
        <source>数字小键盘/</source>
        <translation>Keypad /</translation>
    </message>
    <message>
        <source>数字小键盘.</source>
        <translation>Keypad .</translation>
    </message>
    <message>
        <source>数字小键盘Enter</source>
        <translation>Keypad Enter</translation>
    </message>
    <message>
        <source>左方向键←</source>
        <translation>Left arrow ←</translation>
    </message>
    <message>
        <source>上方向键↑</source>
        <translation>Up arrow ↑</translation>
    </message>
    <message>
        <source>右方向键→</source>
        <translation>Right arrow →</translation>
    </message>
    <message>
        <source>下方向键↓</source>
        <translation>Down arrow ↓</translation>
    </message>
</context>
<context>
    <name>MacroRecorder</name>
    <message>
        <source>Recording keys typed in this window only (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no X display</source>
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
        <source>the keyboard hook could not be installed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroRows</name>
    <message>
        <source>%1 (cannot be played)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wait %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>press %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>release %1</source>
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
    <name>MacroTransfer</name>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Read Macro Data: the keyboard&apos;s reply is incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to Write Macro Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 is written once the keyboard has confirmed the write before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 was changed before the keyboard answered, so it still shows your actions; Read Macro shows the keyboard&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 was written, but could not be read back; Read Macro shows what the keyboard holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Macro %1 was written, but the keyboard holds something else.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Read Macro Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success to Write Macro Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its macro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The macro read from the keyboard was not shown: a recording was running.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MacroWriteCheck</name>
    <message>
        <source>%1 may leave the computer with stuck keys.</source>
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
        <source>It leaves these keys down: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It releases keys it never pressed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stuck Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard cannot play these keys: %1.
They are written as empty keys. Write the macro anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write As It Is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Macro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the macro as it is, or cancel?</source>
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
    <message>
        <source>Back Up Keyboard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the keymaps, macros and settings of the keyboard to one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Keyboard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a backup file to the keyboard, then read it back to verify it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyboard layout is loaded that the keymaps can travel with.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Up Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard backups (*.json)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be restored to this keyboard; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a backup of %1 with keymap type %2; this keyboard is %3 with keymap type %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard was restored; every page shows what it holds now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restore did not complete; every page shows what the keyboard holds now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard&apos;s keymap type is not known since it was changed; keymaps and indicators are neither written nor read until Read Keymap Type on the settings page tells it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What it held before is saved in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back up the keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the keyboard from a backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainNavigation</name>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list of shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next and previous control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space, Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press the focused button</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreCopies</name>
    <message>
        <source>The folder %1 for the copy of the keyboard cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTransfer</name>
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
        <translation>Wireless type set</translation>
    </message>
    <message>
        <source>设置无线类型失败</source>
        <translation>Failed to set the wireless type</translation>
    </message>
    <message>
        <source>读取无线类型失败</source>
        <translation>Failed to read the wireless type</translation>
    </message>
    <message>
        <source>读取无线类型成功</source>
        <translation>Wireless type read</translation>
    </message>
    <message>
        <source>Demo Mode,Please connect keyboard and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyboard answered late; read again to see its settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The NKRO setting was applied, but the keyboard holds another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sleep time was set, but the keyboard holds another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wake-up mode was applied, but the keyboard holds another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The indicator setting was applied, but the keyboard holds another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wireless type was set, but the keyboard holds another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keymap type was set, but the keyboard holds another one.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutHelp</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoButtons</name>
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
</context>
<context>
    <name>UpdateStage</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be moved aside: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be put in place: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and %2 could not be restored: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
