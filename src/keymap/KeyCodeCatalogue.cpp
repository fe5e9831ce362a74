#include "keymap/KeyCodeCatalogue.h"

#include <QCoreApplication>
#include <QMap>

namespace {

struct CatalogueRow
{
    tdu1 key;
    const char* caption; // nullptr: the key has no caption entry
    const char* description;
    tdu1 displayKind;
    tdu2 glyph; // 0: no glyph entry
};

// Every plain key the keyboard knows, in key order. Keys missing here have no caption, no
// description and display kind 0.
const CatalogueRow kRows[] = {
    {0, "", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "空按键"), 0, 0},
    {3, "", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "空按键"), 0, 0},
    {4, "A\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母A"), 0, 0},
    {5, "B\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母B"), 0, 0},
    {6, "C\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母C"), 0, 0},
    {7, "D\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母D"), 0, 0},
    {8, "E\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母E"), 0, 0},
    {9, "F\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母F"), 0, 0},
    {10, "G\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母G"), 0, 0},
    {11, "H\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母H"), 0, 0},
    {12, "I\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母I"), 0, 0},
    {13, "J\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母J"), 0, 0},
    {14, "K\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母K"), 0, 0},
    {15, "L\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母L"), 0, 0},
    {16, "M\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母M"), 0, 0},
    {17, "N\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母N"), 0, 0},
    {18, "O\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母O"), 0, 0},
    {19, "P\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母P"), 0, 0},
    {20, "Q\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母Q"), 0, 0},
    {21, "R\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母R"), 0, 0},
    {22, "S\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母S"), 0, 0},
    {23, "T\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母T"), 0, 0},
    {24, "U\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母U"), 0, 0},
    {25, "V\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母V"), 0, 0},
    {26, "W\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母W"), 0, 0},
    {27, "X\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母X"), 0, 0},
    {28, "Y\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母Y"), 0, 0},
    {29, "Z\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "字母Z"), 0, 0},
    {30, "!\n1", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字1"), 0, 0},
    {31, "@\n2", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字2"), 0, 0},
    {32, "#\n3", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字3"), 0, 0},
    {33, "$\n4", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字4"), 0, 0},
    {34, "%\n5", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字5"), 0, 0},
    {35, "^\n6", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字6"), 0, 0},
    {36, "&&\n7", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字7"), 0, 0},
    {37, "*\n8", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字8"), 0, 0},
    {38, "(\n9", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字9"), 0, 0},
    {39, ")\n0", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字0"), 0, 0},
    {40, "Enter\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "回车键"), 0, 0},
    {41, "Esc\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "退出键"), 0, 0},
    {42, "Back\nSpace", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "退格键"), 0, 0},
    {43, "Tab\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "跳格键"), 0, 0},
    {44, "Space\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "空格键"), 0, 0},
    {45, "_\n-", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "破折号/减号"), 0, 0},
    {46, "+\n=", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "加号/等号"), 0, 0},
    {47, "{\n[", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "左大括号/左中括号"), 0, 0},
    {48, "}\n]", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "右大括号/右中括号"), 0, 0},
    {49, "|\n\\", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "竖线/右斜杠"), 0, 0},
    {51, ":\n;", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "冒号/分号"), 0, 0},
    {52, "\"\n'", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "双引号/单引号"), 0, 0},
    {53, "~\n·", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "波浪号/着重号"), 0, 0},
    {54, "<\n,", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "左书名号/逗号"), 0, 0},
    {55, ">\n.", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "右书名号/句号"), 0, 0},
    {56, "?\n/", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "问号/左斜杠"), 0, 0},
    {57, "Caps\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "大写锁定键"), 0, 0},
    {58, "F1\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F1"), 0, 0},
    {59, "F2\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F2"), 0, 0},
    {60, "F3\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F3"), 0, 0},
    {61, "F4\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F4"), 0, 0},
    {62, "F5\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F5"), 0, 0},
    {63, "F6\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F6"), 0, 0},
    {64, "F7\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F7"), 0, 0},
    {65, "F8\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F8"), 0, 0},
    {66, "F9\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F9"), 0, 0},
    {67, "F10\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F10"), 0, 0},
    {68, "F11\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F11"), 0, 0},
    {69, "F12\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "功能键F12"), 0, 0},
    {70, "Print\nScreen", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "打印屏幕"), 0, 0},
    {71, "Scroll\nLock", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "滚动条锁定"), 0, 0},
    {72, "Pause\nBreak", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "暂停/中断键"), 0, 0},
    {73, "Insert\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "插入/改写键"), 0, 0},
    {74, "Home\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "起始键"), 0, 0},
    {75, "Page\nUp", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "向上翻页键"), 0, 0},
    {76, "Delete\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "删除键"), 0, 0},
    {77, "End\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "结尾键"), 0, 0},
    {78, "Page\nDown", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "向下翻页键"), 0, 0},
    {79, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "方向右"), 1, 0xF105},
    {80, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "方向左"), 1, 0xF104},
    {81, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "方向下"), 1, 0xF107},
    {82, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "方向上"), 1, 0xF106},
    {83, "Num\nLock", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "数字锁定键"), 0, 0},
    {84, "/\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘除号"), 0, 0},
    {85, "*\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘乘号"), 0, 0},
    {86, "-\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘减号"), 0, 0},
    {87, "+\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘加号"), 0, 0},
    {88, "Enter\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘回车键"), 0, 0},
    {89, "1\nEnd", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字1"), 0, 0},
    {90, "2\n↓", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字2"), 0, 0},
    {91, "3\nPdDn", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字3"), 0, 0},
    {92, "4\n←", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字4"), 0, 0},
    {93, "5\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字5"), 0, 0},
    {94, "6\n→", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字6"), 0, 0},
    {95, "7\nHome", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字7"), 0, 0},
    {96, "8\n↑", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字8"), 0, 0},
    {97, "9\nPgUp", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字9"), 0, 0},
    {98, "0\nIns", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘数字0"), 0, 0},
    {99, ".\nDel", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "小键盘点号"), 0, 0},
    {101, "Menu\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "MENU键"), 0, 0},
    {104, "M1\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义1"), 0, 0},
    {105, "M2\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义2"), 0, 0},
    {106, "M3\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义3"), 0, 0},
    {107, "M4\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义4"), 0, 0},
    {108, "M5\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义5"), 0, 0},
    {109, "M6\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义6"), 0, 0},
    {110, "M7\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义7"), 0, 0},
    {111, "M8\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义8"), 0, 0},
    {112, "M9\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义9"), 0, 0},
    {113, "M10\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义10"), 0, 0},
    {114, "M11\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义11"), 0, 0},
    {115, "M12\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义12"), 0, 0},
    {135, "ONOFF\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯开启/关闭"), 0, 0},
    {136, "NEXT\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯后一灯效"), 0, 0},
    {137, "PREV\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯前一灯效"), 0, 0},
    {138, "F++\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯亮度增大或频率加快"), 0, 0},
    {139, "F--\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯亮度减小或频率减慢"), 0, 0},
    {140, "H++\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯色相增大(仅RGB有效)"), 0, 0},
    {141, "H--\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯色相减小(仅RGB有效)"), 0, 0},
    {142, "S++\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯饱和度增大(仅RGB有效)"), 0, 0},
    {143, "S--\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯饱和度减小(仅RGB有效)"), 0, 0},
    {144, "B++\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯亮度增大(仅RGB有效)"), 0, 0},
    {145, "B--\nLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "背光灯亮度减小(仅RGB有效)"), 0, 0},
    {154, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "静音"), 1, 0xF026},
    {155, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "音量增大"), 1, 0xF028},
    {156, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "音量减小"), 1, 0xF027},
    {157, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "下一曲"), 1, 0xF04E},
    {158, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "上一曲"), 1, 0xF04A},
    {161, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "多媒体停止键"), 1, 0xF04D},
    {162, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "多媒体播放暂停键"), 1, 0xF051},
    {164, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "多媒体选择键"), 1, 0xF001},
    {165, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "邮件"), 1, 0xF003},
    {166, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "计算器"), 1, 0xF1EC},
    {167, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "计算机"), 1, 0xF108},
    {168, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网搜索"), 1, 0xF002},
    {169, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网主页"), 1, 0xF015},
    {170, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网后退"), 1, 0xF060},
    {171, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网前进"), 1, 0xF061},
    {172, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网停止"), 1, 0xF00D},
    {173, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网刷新"), 1, 0xF01E},
    {174, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "互联网收藏夹"), 1, 0xF006},
    {175, "LM2\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "瞬时开启层2"), 0, 0},
    {176, "LM3\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "瞬时开启层3"), 0, 0},
    {177, "LM4\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "瞬时开启层4"), 0, 0},
    {178, "LT2\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "开启/关闭层2"), 0, 0},
    {179, "LT3\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "开启/关闭层3"), 0, 0},
    {180, "LT4\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "开启/关闭层4"), 0, 0},
    {181, "KM1\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "切换至配列1"), 0, 0},
    {182, "KM2\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "切换至配列2"), 0, 0},
    {183, "KM3\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "切换至配列3"), 0, 0},
    {184, "KM4\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "切换至配列4"), 0, 0},
    {186, "BLE1", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "蓝牙设备1（单击切换设备,长按3s重新配对）"), 2, 0xF293},
    {187, "BLE2", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "蓝牙设备2（单击切换设备,长按3s重新配对）"), 2, 0xF293},
    {188, "BLE3", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "蓝牙设备3（单击切换设备,长按3s重新配对）"), 2, 0xF293},
    {189, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "优联1"),
        QT_TRANSLATE_NOOP("KeyCodeCatalogue", "罗技优联设备1（单击切换设备,长按3s重新配对）"), 2, 0xF09E},
    {190, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "优联2"),
        QT_TRANSLATE_NOOP("KeyCodeCatalogue", "罗技优联设备2（单击切换设备,长按3s重新配对）"), 2, 0xF09E},
    {191, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "优联3"),
        QT_TRANSLATE_NOOP("KeyCodeCatalogue", "罗技优联设备3（单击切换设备,长按3s重新配对）"), 2, 0xF09E},
    {192, "2.4G", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "2.4G设备（单击切换设备,长按3s重新配对）"), 2, 0xF09E},
    {193, "ONOFF\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯开启/关闭"), 0, 0},
    {194, "NEXT\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯后一灯效"), 0, 0},
    {195, "PREV\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯前一灯效"), 0, 0},
    {196, "F++\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯亮度增大或频率加快"), 0, 0},
    {197, "F--\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯亮度减小或频率减慢"), 0, 0},
    {198, "H++\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯色相增大"), 0, 0},
    {199, "H--\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯色相减小"), 0, 0},
    {200, "S++\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯饱和度增大"), 0, 0},
    {201, "S--\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯饱和度减小"), 0, 0},
    {202, "B++\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯亮度增大"), 0, 0},
    {203, "B--\nBLED", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "底灯亮度减小"), 0, 0},
    {204, "M13\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义13"), 0, 0},
    {205, "M14\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义14"), 0, 0},
    {206, "M15\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义15"), 0, 0},
    {207, "M16\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义16"), 0, 0},
    {208, "M17\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义17"), 0, 0},
    {209, "M18\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义18"), 0, 0},
    {210, "M19\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义19"), 0, 0},
    {211, "M20\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义20"), 0, 0},
    {212, "M21\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义21"), 0, 0},
    {213, "M22\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义22"), 0, 0},
    {214, "M23\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义23"), 0, 0},
    {215, "M24\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义24"), 0, 0},
    {216, "M25\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义25"), 0, 0},
    {217, "M26\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义26"), 0, 0},
    {218, "M27\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义27"), 0, 0},
    {219, "M28\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义28"), 0, 0},
    {220, "M29\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义29"), 0, 0},
    {221, "M30\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义30"), 0, 0},
    {222, "M31\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义31"), 0, 0},
    {223, "M32\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "宏定义32"), 0, 0},
    {224, "Ctrl\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "左控制键"), 0, 0},
    {225, "Shift\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "左上档键"), 0, 0},
    {226, "Alt\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "左换挡键"), 0, 0},
    {227, "Win\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "左Win键"), 0, 0},
    {228, "RCtrl\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "右控制键"), 0, 0},
    {229, "RShift\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "右上档键"), 0, 0},
    {230, "RAlt\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "右换挡键"), 0, 0},
    {231, "RWin\n", QT_TRANSLATE_NOOP("KeyCodeCatalogue", "右Win键"), 0, 0},
    {232, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "进入低功耗状态"), 1, 0xF186},
    {233, nullptr, QT_TRANSLATE_NOOP("KeyCodeCatalogue", "显示电池电量"), 1, 0xF241},
};

struct Tables
{
    // Source texts; the lookups translate them, as a caption may be shown in either language.
    QMap<tdu1, const char*> captions;
    QMap<tdu1, const char*> descriptions;
    QMap<tdu1, int> displayKinds;
    QMap<tdu1, tdu2> glyphs;

    Tables()
    {
        for (const CatalogueRow& row : kRows) {
            if (row.caption)
                captions.insert(row.key, row.caption);
            descriptions.insert(row.key, row.description);
            displayKinds.insert(row.key, row.displayKind);
            if (row.glyph)
                glyphs.insert(row.key, row.glyph);
        }
    }
};

const Tables& tables()
{
    static const Tables instance;
    return instance;
}

QString translated(const char* text)
{
    return text ? QCoreApplication::translate("KeyCodeCatalogue", text) : QString();
}

QString modifierNames(int modifiers, bool right)
{
    static const char* const kLeft[] = {"LCtrl ", "LShift ", "LAlt ", "LWin"};
    static const char* const kRight[] = {"RCtrl ", "RShift ", "RAlt ", "RWin"};
    const char* const* names = right ? kRight : kLeft;
    QString text;
    for (int bit = 0; bit < 4; ++bit) {
        if (modifiers & (1 << bit))
            text += QLatin1String(names[bit]);
    }
    return text;
}

} // namespace

QString KeyCodeCatalogue::KeyCaption(tdu2 code)
{
    return translated(tables().captions.value(CodeKey(code), nullptr));
}

QString KeyCodeCatalogue::KeyDescription(tdu2 code)
{
    return translated(tables().descriptions.value(CodeKey(code), nullptr));
}

int KeyCodeCatalogue::KeyDisplayKind(tdu2 code)
{
    return tables().displayKinds.value(CodeKey(code), DisplayText);
}

tdu2 KeyCodeCatalogue::KeyGlyph(tdu2 code)
{
    return tables().glyphs.value(CodeKey(code), 0);
}

QString KeyCodeCatalogue::KeyTipText(tdu2 code)
{
    const QString dualRole = QCoreApplication::translate("KeyCodeCatalogue", "二合一按键:");
    const QString combination = QCoreApplication::translate("KeyCodeCatalogue", "组合按键:");
    const int modifiers = CodeModifiers(code);
    switch (CodeKind(code)) {
    case KindPlain:
        return KeyDescription(code);
    case KindDualLeft:
        return dualRole + modifierNames(modifiers, false);
    case KindDualRight:
        return dualRole + modifierNames(modifiers, true);
    case KindDualLayer:
        // Layer field 1..3 stands for layers 2..4; anything else names no layer.
        if (modifiers >= 1 && modifiers <= 3)
            return dualRole + QStringLiteral("LM") + QString::number(modifiers + 1);
        return QString();
    case KindCombLeft:
        return combination + modifierNames(modifiers, false);
    case KindCombRight:
        return combination + modifierNames(modifiers, true);
    default:
        return QString();
    }
}

int KeyCodeCatalogue::CodeKind(tdu2 code)
{
    return (code >> 12) & 0xF;
}

int KeyCodeCatalogue::CodeModifiers(tdu2 code)
{
    return (code >> 8) & 0xF;
}

tdu1 KeyCodeCatalogue::CodeKey(tdu2 code)
{
    return static_cast<tdu1>(code & 0xFF);
}

bool KeyCodeCatalogue::IsItalic(tdu2 code)
{
    return code >= 0x100;
}

tdu2 KeyCodeCatalogue::ModifierHighByte(int kind, bool ctrl, bool shift, bool alt, bool win)
{
    const int modifiers = (ctrl ? kModCtrl : 0) | (shift ? kModShift : 0) | (alt ? kModAlt : 0) | (win ? kModWin : 0);
    if (modifiers == 0)
        return 0;
    return static_cast<tdu2>(((modifiers | ((kind & 0xF) << 4)) & 0xFF) << 8);
}

tdu2 KeyCodeCatalogue::ApplyHighByte(tdu2 oldCode, tdu2 highByte)
{
    return static_cast<tdu2>(highByte | (oldCode & 0xFF));
}

int KeyCodeCatalogue::CaptionCount()
{
    return tables().captions.size();
}

int KeyCodeCatalogue::DescriptionCount()
{
    return tables().descriptions.size();
}

int KeyCodeCatalogue::DisplayKindCount()
{
    return tables().displayKinds.size();
}

int KeyCodeCatalogue::GlyphCount()
{
    return tables().glyphs.size();
}
