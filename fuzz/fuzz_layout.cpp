// The layout reader followed by filling the three key panels, as a main window does: every index
// and size of the file goes through the panels' setters. fuzz_layout_panels also builds them.
#include "FuzzSupport.h"
#include "layout/KeyPannel.h"
#include "layout/LayoutFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::InitApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const LayoutDescription layout = LayoutFile::Parse(FuzzSupport::Bytes(data, size));
    if (!layout.ok)
        return 0;
    KeyPannel keymap;
    KeyPannel indicator;
    KeyPannel length;
    LayoutFile::FillPannel(&keymap, layout, LayoutFile::PannelRole::Keymap);
    LayoutFile::FillPannel(&indicator, layout, LayoutFile::PannelRole::Indicator);
    LayoutFile::FillPannel(&length, layout, LayoutFile::PannelRole::Length);
#ifdef FUZZ_BUILD_PANNELS
    keymap.BuildPannel();
    indicator.BuildPannel();
    length.BuildPannel();
#endif
    return 0;
}
