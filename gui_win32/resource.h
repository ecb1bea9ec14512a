#pragma once

// Resource and control numbers of the desktop program, shared by the resource script and the code.

// Resources.
#define IDI_APPLICATION_ICON 128
#define IDD_ADVANCED_OPTIONS 129
#define IDD_SIMPLE_OPTIONS 131
#define IDD_PROGRESS 140

// The simple options dialog.
#define IDC_SORT_RECURSIVE_PERFORMANCE 1000
#define IDC_SORT_RIVALS_WITHOUT_WORST 1001
#define IDC_SORT_NONE 1003
#define IDC_ADVANCED 1005
#define IDC_SIMPLE_ELO 1006

// The advanced options dialog: the file, the other options and the mode button.
#define IDC_INPUT_FILE 1007
#define IDC_OPEN 1008
#define IDC_SORT_USING 1009
#define IDC_LESS_OPTIONS 1032
#define IDC_HEADINGS 1033
#define IDC_ADVANCED_ELO 1034
#define IDC_BEEP 1061
#define IDC_WEB_PAGE 1062

// The method rows 1 to 4: method list, modification list, "Calculate average taking out..." label,
// worst label, worst edit, best label, best edit.
#define IDC_METHOD_1 1041
#define IDC_MODIFICATION_1 1042
#define IDC_AVERAGE_1 1043
#define IDC_WORST_LABEL_1 1050
#define IDC_WORST_1 1024
#define IDC_BEST_LABEL_1 1051
#define IDC_BEST_1 1025
#define IDC_METHOD_2 1044
#define IDC_MODIFICATION_2 1045
#define IDC_AVERAGE_2 1052
#define IDC_WORST_LABEL_2 1055
#define IDC_WORST_2 1026
#define IDC_BEST_LABEL_2 1058
#define IDC_BEST_2 1027
#define IDC_METHOD_3 1046
#define IDC_MODIFICATION_3 1047
#define IDC_AVERAGE_3 1053
#define IDC_WORST_LABEL_3 1056
#define IDC_WORST_3 1028
#define IDC_BEST_LABEL_3 1059
#define IDC_BEST_3 1029
#define IDC_METHOD_4 1048
#define IDC_MODIFICATION_4 1049
#define IDC_AVERAGE_4 1054
#define IDC_WORST_LABEL_4 1057
#define IDC_WORST_4 1030
#define IDC_BEST_LABEL_4 1060
#define IDC_BEST_4 1031

// The progress window.
#define IDC_PROGRESS_PHASE 1070
#define IDC_PROGRESS_BAR 1071
