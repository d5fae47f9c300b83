#include "solid_export.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>

#include "gear_solids.h"
#include "mesh_painting.h"
#include "mesh_window.h"
#include "message_boxes.h"
#include "messages/base.h"
#include "messages/mesh.h"
#include "messages/solid.h"
#include "qt_text.h"

namespace gp {
namespace {

constexpr ThicknessChoice kThicknesses[] = {ThicknessChoice::Nominal, ThicknessChoice::Upper,
                                            ThicknessChoice::Lower, ThicknessChoice::Mean};

// The name offered: the outline's (or, for the pair, the picture's), which carries
// the drawing numbers and the thickness, with 三维模型 and .step.
QString suggested_name(const MeshWindow& window, int which) {
    QString name = which < 2 ? window.outline_file_name(which) : window.picture_file_name();
    name.replace(qt(msg::solid::kOutlineNamePart), qt(msg::solid::kSolidNamePart));
    QString stem = QFileInfo(name).completeBaseName();
    if (which == 2) {
        stem += QLatin1Char('_') + qt(msg::solid::kSolidNamePart);
        int k = 0;
        while (k < 3 && kThicknesses[k] != window.thickness()) ++k;
        if (k != 0) stem += QLatin1Char('_') + qt(msg::mesh::thickness_name(k));
    }
    return stem + QLatin1Char('.') + qt(msg::solid::kSuffix);
}

}  // namespace

void export_solid(MeshWindow& window, FileDialogs& dialogs, MessageBoxes& boxes, int which) {
    const auto choice = dialogs.save_path_of_kind(
        msg::solid::kExportTitle,
        QDir::home().filePath(suggested_name(window, which)).toStdString(), {msg::solid::kFilter});
    if (!choice) return;
    QString path = qt(choice->path);
    const QString typed = QFileInfo(path).suffix().toLower();
    if (typed != QLatin1String("step") && typed != QLatin1String("stp")) {
        path += QLatin1Char('.') + qt(msg::solid::kSuffix);
    }

    SolidRequest request;
    request.gears = which == 0   ? SolidGears::Pinion
                    : which == 1 ? SolidGears::Wheel
                                 : SolidGears::Pair;
    request.thickness = window.thickness();
    const MeshScene& scene = window.scene();
    request.pinion_turn = scene.gears[0].rate * travel_at(scene, window.position());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto step = solid_step(scene.form, request);
    QGuiApplication::restoreOverrideCursor();
    if (const auto* stop = std::get_if<Stop>(&step)) {
        boxes.show(msg::kNoticeTitle, msg::solid::not_exported(stop->message), MessageIcon::Warning,
                   stop->detail);
        return;
    }
    const QByteArray bytes = QByteArray::fromStdString(std::get<std::string>(step));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        boxes.show(msg::kNoticeTitle,
                   msg::mesh::not_written(QDir::toNativeSeparators(path).toStdString(),
                                          file.errorString().toStdString()),
                   MessageIcon::Warning);
    }
}

QPushButton* solid_export_button(MeshWindow& window, FileDialogs& dialogs, MessageBoxes& boxes) {
    auto* button = new QPushButton(qt(msg::solid::kExportSolid));
    button->setObjectName(QStringLiteral("exportsolid"));
    auto* menu = new QMenu(button);
    const char* entries[] = {msg::solid::kExportPinion, msg::solid::kExportWheel,
                             msg::solid::kExportPair};
    for (int which = 0; which < 3; ++which) {
        menu->addAction(qt(entries[which]), &window, [&window, &dialogs, &boxes, which] {
            export_solid(window, dialogs, boxes, which);
        });
    }
    // The window's one thickness choice, shared with the outline's export.
    menu->addSection(qt(msg::mesh::kThicknessTitle));
    auto* group = new QActionGroup(menu);
    for (int k = 0; k < 4; ++k) {
        QAction* a = menu->addAction(qt(msg::mesh::thickness_action(k)));
        a->setCheckable(true);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, &window,
                         [&window, k] { window.set_thickness(kThicknesses[k]); });
    }
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&window, group] {
        for (int k = 0; k < 4; ++k) {
            group->actions()[k]->setChecked(kThicknesses[k] == window.thickness());
        }
    });
    button->setMenu(menu);
    button->setEnabled(window.scene().refusal.isEmpty() && solids_available());
    button->setToolTip(
        qt(solids_available() ? msg::solid::kExportSolidTip : msg::solid::kNotAvailable));
    return button;
}

}  // namespace gp
