#include "ui/menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace veldrane {
namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption) {
  QMenu* menu = bar.addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* AddItem(QMenu& menu, const char* name, const QString& caption) {
  QAction* item = menu.addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

}  // namespace

MenuActions BuildMenuBar(QMenuBar& bar) {
  MenuActions actions;

  QMenu* file = AddMenu(bar, "M_File", QStringLiteral("ファイル"));
  actions.fileExit = AddItem(*file, "M_File_Exit", QStringLiteral("終了"));

  QMenu* editing = AddMenu(bar, "M_Editing", QStringLiteral("編集"));
  actions.editingClear = AddItem(*editing, "M_Editing_Clear", QStringLiteral("クリア"));
  actions.allTextSelect = AddItem(*editing, "M_AllTextSelect", QStringLiteral("すべて選択"));

  QMenu* convert = AddMenu(bar, "M_Convert", QStringLiteral("変換"));
  actions.convertStop = AddItem(*convert, "M_Convert_Stop", QStringLiteral("中止"));
  actions.convertStop->setEnabled(false);
  actions.convertVD = AddItem(*convert, "M_Convert_VD", QStringLiteral("VisualBasic⇒Delphi"));

  QMenu* config = AddMenu(bar, "M_Config", QStringLiteral("設定"));
  actions.textVisible = AddItem(*config, "M_TextVisible", QStringLiteral("テキストを表示"));
  actions.textVisible->setCheckable(true);
  actions.syntaxColour = AddItem(*config, "M_SyntaxColour", QStringLiteral("構文の色分け"));
  actions.syntaxColour->setCheckable(true);

  actions.info = bar.addAction(QStringLiteral("情報"));
  actions.info->setObjectName(QStringLiteral("M_Info"));
  return actions;
}

}  // namespace veldrane
