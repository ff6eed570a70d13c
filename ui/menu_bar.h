#pragma once

class QAction;
class QMenuBar;

namespace veldrane {

// The window's menu items that carry commands; the menus themselves only group them.
struct MenuActions {
  QAction* fileExit = nullptr;       // M_File_Exit
  QAction* editingClear = nullptr;   // M_Editing_Clear
  QAction* allTextSelect = nullptr;  // M_AllTextSelect
  QAction* convertStop = nullptr;    // M_Convert_Stop
  QAction* convertVD = nullptr;      // M_Convert_VD
  QAction* textVisible = nullptr;    // M_TextVisible
  QAction* syntaxColour = nullptr;   // M_SyntaxColour: Text1 coloured as VB, or as Pascal once converted
  QAction* info = nullptr;           // M_Info, a command on the bar itself
};

// Fills `bar` with the menus in their order, names, captions and initial states. The
// menus and items carry their names as object names.
MenuActions BuildMenuBar(QMenuBar& bar);

}  // namespace veldrane
