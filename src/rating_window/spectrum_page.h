// The rating window's page "载荷谱" and its result sheet "载荷谱寿命计算": the bins
// typed, pasted from a spreadsheet or opened from a spectrum CSV; rated with the
// pair of the form and the rating page's inputs; the sheet with every bin, the
// damaging ones marked, the bar chart of their shares, the totals and the verdict,
// copied, previewed, printed or exported like the rating sheet.
//
// The spectrum belongs to the pair's document as a CSV file of its own beside the
// pair file: the pair file's `spectrum` column names it, relative to the pair
// file's folder when it lies there (else its whole path).
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "desktop_services.h"
#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "rating_inputs.h"
#include "spectrum_sheet.h"
#include "spectrum_table.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace gp {

class SpectrumChart;

enum class SpectrumButton {
    AddRow,
    DeleteRows,
    Paste,
    Open,
    Save,
    Compute,
    Copy,
    Preview,
    Print,
    Pdf
};

class SpectrumPage : public QWidget {
    Q_OBJECT

  public:
    using FormSource = std::function<GearPairInput()>;
    using RatingSource = std::function<RatingInputs()>;
    using FolderSource = std::function<std::string()>;

    SpectrumPage(FormSource form, RatingSource rating, DesktopServices desktop,
                 FileDialogs& dialogs, QWidget* parent = nullptr);

    // The result sheet, a page of its own beside this one.
    QWidget* sheet_page() const { return sheet_page_; }
    // Where the pair file lies, to name the spectrum file relative to it.
    void set_folder_source(FolderSource folder) { folder_ = std::move(folder); }

    // The `spectrum` column's text; setting another name loads that file.
    const std::string& file_name() const { return file_name_; }
    void set_file_name(const std::string& name);

    // The bins as typed, or the first fault of the table.
    std::variant<rating::LoadSpectrum, rating::SpectrumError> spectrum() const;
    // Puts a spectrum into the table (what open does after reading it).
    void show_spectrum(const rating::LoadSpectrum& spectrum);
    // Pastes tab-separated text at the current cell; a first line naming T1 is a header.
    void paste_text(const std::string& text);
    bool open_file(const std::string& path);
    // Writes the table; a new name goes into the pair's `spectrum` column unless
    // `announce` is false (the bins of a pair being left).
    bool save_file(const std::string& path, bool announce = true);
    void compute();

    QTableWidget* bin_table() const { return bins_; }
    QTableWidget* result_table() const { return results_; }
    QTableWidget* totals_table() const { return totals_; }
    QComboBox* duration_kind() const { return kind_; }
    SpectrumChart* chart() const { return chart_; }
    QLabel* verdict_label() const { return verdict_; }
    QPushButton* button(SpectrumButton which) const { return buttons_[std::size_t(which)]; }
    const std::optional<rating::SpectrumSheet>& sheet() const { return sheet_; }

  signals:
    // The `spectrum` column's text changed (a file opened or saved under a name).
    void fileNamed();
    // The sheet has been filled: show its page.
    void computed();

  private:
    QWidget* build_sheet_page();
    void add_button(QBoxLayout* row, SpectrumButton which, const char* label);
    void set_kind(rating::DurationKind kind);
    void show_file_state();
    void keep_unsaved_bins();
    void show_fault(const rating::SpectrumError& e);
    void fill_sheet(const std::string& drawing1, const std::string& drawing2);
    std::string folder() const;
    ReportDocument report() const;
    void tell(const std::string& text, MessageIcon icon, const std::string& detail = {});

    FormSource form_;
    RatingSource rating_;
    DesktopServices desktop_;
    FileDialogs& dialogs_;
    FolderSource folder_;
    std::string file_name_;
    std::string loaded_path_;  // the file the table was last read from or written to
    bool unreadable_ = false;
    bool modified_ = false;
    bool filling_ = false;

    QTableWidget* bins_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLabel* file_ = nullptr;
    QWidget* sheet_page_ = nullptr;
    QLabel* placeholder_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* notes_ = nullptr;
    QTableWidget* results_ = nullptr;
    QTableWidget* totals_ = nullptr;
    SpectrumChart* chart_ = nullptr;
    std::array<QPushButton*, 10> buttons_{};
    std::optional<rating::SpectrumSheet> sheet_;
    std::array<std::string, 2> drawings_;
};

}  // namespace gp
