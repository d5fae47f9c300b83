// What the picture windows (the mesh picture, the blocking contour) share around
// their plane view: the page they save and print (A4 at 150 dots per inch), saving it
// as SVG or PNG by the file's suffix, printing it the reports' way, the line of
// values under the cursor, and telling the user what went wrong.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "desktop_services.h"
#include "file_dialogs.h"

class QLabel;
class QPainter;

namespace gp {

// The saved and printed page, in pixels: A4 at 150 dots per inch.
inline constexpr QSize kPicturePageSize(1240, 1754);
inline constexpr int kPicturePageDpi = 150;

// Writes `bytes` to `path` whole or not at all; nothing on success, else the reason.
std::optional<QString> write_picture_file(const QString& path, const QByteArray& bytes);

// The filters of a dialog, from the registry's text (";;" between them).
std::vector<std::string> dialog_filters(const char* text);

// The path to write and its kind (an index into `suffixes`): a name ending in one of
// the suffixes keeps it and is written as that kind; any other name (none, or
// "x.txt") is written as the kind of the filter left chosen, with its suffix added,
// so that a file's name always says what it holds.
std::pair<QString, std::size_t> with_suffix(const SaveChoice& choice,
                                            const std::vector<QString>& suffixes);

class PictureWindow : public QWidget {
    Q_OBJECT

  public:
    // Paints the page into the painter's rectangle, with what was in view when it
    // was made (so that a printer may paint it later).
    using PagePainter = std::function<void(QPainter&, const QRectF& page)>;
    // The window's texts for its page and its outcomes.
    struct Texts {
        const char* title;  // of the window, the page and the printed job
        std::string (*printed_to_pdf)(const std::string& why, const std::string& pdf);
        std::string (*not_printed)(const std::string& reason);
        const char* save_title;  // of the save dialog
    };

    PictureWindow(Texts texts, DesktopServices desktop, FileDialogs& dialogs,
                  QWidget* parent = nullptr);

    // The page as it stands, into an SVG or PNG file by the path's suffix. Nothing on
    // success, else the reason in the user's words.
    std::optional<QString> save_picture(const QString& path) const;
    // The page on the printer (a PDF when there is none); tells the user the outcome
    // unless it was printed.
    void print_picture();
    // Asks where (offering picture_file_name()) and saves there.
    void ask_and_save_picture();

    // The values under the cursor, a line under the picture.
    QLabel* status_label() const { return status_; }

  protected:
    virtual PagePainter page_painter() const = 0;
    // A line describing the picture, kept in a saved SVG.
    virtual QString page_caption() const = 0;
    // The name the save dialog offers.
    virtual QString picture_file_name() const = 0;

    void tell(const QString& text, bool failure);
    // A grey line of what the mouse does.
    static QLabel* new_hint_label(const char* text);

    DesktopServices desktop_;
    FileDialogs& dialogs_;

  private:
    Texts texts_;
    QLabel* status_ = nullptr;
};

}  // namespace gp
