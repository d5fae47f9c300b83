// The mesh window's 导出三维模型 (STEP)… button: the pinion, the wheel or the pair as
// the window shows it, at the thickness chosen, into a STEP file.
#pragma once

class QPushButton;

namespace gp {

class FileDialogs;
class MeshWindow;
class MessageBoxes;

// The button with its menu, for the window's tool row; asks `dialogs` where to
// write and tells `boxes` why a file was not written.
QPushButton* solid_export_button(MeshWindow& window, FileDialogs& dialogs, MessageBoxes& boxes);

// What the menu's entries do: `which` 0 the pinion, 1 the wheel, 2 the pair.
void export_solid(MeshWindow& window, FileDialogs& dialogs, MessageBoxes& boxes, int which);

}  // namespace gp
