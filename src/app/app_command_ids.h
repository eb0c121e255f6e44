#pragma once

namespace kirvolt {

// Identifiers of the commands that the application, the main window and the document's
// framework side answer; the circuit commands are in editing/command_ids.h.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_CLOSE = 57602;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
// Kirvolt's own, after the framework's file commands.
inline constexpr int ID_FILE_EXPORT_NETLIST = 57620;
inline constexpr int ID_EDIT_CLEAR = 57632;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_EDIT_REDO = 57644;
inline constexpr int ID_WINDOW_NEW = 57648;
inline constexpr int ID_WINDOW_ARRANGE = 57649;
inline constexpr int ID_WINDOW_CASCADE = 57650;
inline constexpr int ID_WINDOW_TILE = 57651;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;
inline constexpr int ID_FILE_EXPORT_PICTURE = 32870;
inline constexpr int ID_FILE_EXPORT_SOLUTION = 32871;
inline constexpr int ID_EDIT_COPY_PICTURE = 32872;
inline constexpr int ID_VIEW_MATRIX_FORM = 32873;
inline constexpr int ID_FILE_NEW_EXERCISE = 32874;
inline constexpr int ID_ANALYSE_THEVENIN = 32890;
inline constexpr int ID_ANALYSE_SUPERPOSITION = 32891;
inline constexpr int ID_VIEW_FORMULAS = 32892;
inline constexpr int ID_HELP_DESCRIBE_CIRCUIT = 32893;

}  // namespace kirvolt
