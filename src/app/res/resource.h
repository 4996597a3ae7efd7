// Resource ids of the program's icons.
#pragma once

#define IDI_APP 1
#define IDI_FILE 101
#define IDI_FOLDER 102
#define IDI_DISK 103
#define IDI_SHIELD 104
#define IDI_ADDFILES 111
#define IDI_ADDFOLDER 112
#define IDI_START 113
#define IDI_REFRESH 114
