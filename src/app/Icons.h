// The program's pictures: list and menu icons by role, tool-button and window icons.
#pragma once

#include <windows.h>

namespace tk {
class TImageList;
}

// Indexes of the small icon list: 0 file, 2 folder, 5 hard disk, 17 elevation shield.
enum TIconIndex { iiFile = 0, iiFolder = 2, iiHardDisk = 5, iiShield = 17 };

// Fills the list so that each role sits at its index.
void LoadProgramIcons(tk::TImageList& list);

enum TBigIcon { biAddFiles, biAddFolder, biStart, biRefresh, biProgram };
// A 32-pixel (at 96 DPI) icon the caller owns.
HICON LoadBigIcon(TBigIcon which);
// The program's icon at the small size, for the title bar and the tray.
HICON LoadSmallProgramIcon();
// The program's icon at any size.
HICON LoadProgramIcon(int size);
