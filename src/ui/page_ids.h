// Resource and control ids of the two configuration pages; macros because the
// resource script reads them too.
#pragma once

#define IDD_ITUNES_PAGE 101
#define IDD_SKIN_PAGE 102

#define IDC_HIDE_WHEN_NOT_LOADED 1001
#define IDC_AUTO_HIDE_ITUNES 1002
#define IDC_USE_5_RATING 1003

#define IDC_SKIN_NAME 1001
#define IDC_SKIN_LIST 1002
#define IDC_SKIN_AUTHOR 1003
#define IDC_SKIN_COMMENTS 1004
