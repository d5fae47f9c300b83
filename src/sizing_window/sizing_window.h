// The window "方案设计": the requirements and the search space on one page (filled
// from the document), 开始 with a progress bar, the counts and 取消; the admissible
// variants as a sortable, filterable table of the first 10,000 by the chosen order
// with the count of all, and a plot of any two columns with the Pareto front and
// the selected row. 填入输入表 puts the chosen variant into the form once confirmed,
// as one change 撤销 takes back; the table copies as tab-separated text and saves
// as the batch tool's CSV.
#pragma once

#include <QSize>
#include <QWidget>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "desktop_services.h"
#include "file_dialogs.h"
#include "gear_pair_input.h"
#include "rating_inputs.h"
#include "sizing_run.h"
#include "sizing_table.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace gp {

class SizingPlot;
class SizingRowFilter;
class SizingRows;

class SizingWindow : public QWidget {
    Q_OBJECT

  public:
    // At most this many admissible variants are kept for the table and the plot.
    static constexpr std::size_t kKeptRows = 10000;
    // A run of more variants asks first.
    static constexpr std::uint64_t kAskAbove = 10000000;
    // The window's size at the program's own zoom, where the screen has room.
    static constexpr QSize kNaturalSize{1000, 700};

    using FormReader = std::function<GearPairInput()>;
    using RatingReader = std::function<RatingInputs()>;
    using FormWriter = std::function<void(const GearPairInput&, const QString&)>;

    SizingWindow(FormReader read_form, RatingReader read_rating, FormWriter write_form,
                 DesktopServices desktop, FileDialogs& dialogs, QWidget* parent = nullptr);
    ~SizingWindow() override;

    // The requirements page from the document: the torque, speed, ratio, rack and
    // minimum safety factors the pair has; the search space at its defaults.
    void fill_defaults();
    // 开始: checks the page, asks before a very large run, and starts it.
    void start();
    // 取消.
    void cancel();
    bool running() const { return thread_.joinable(); }
    // 填入输入表: asks, then writes the selected variant into the form.
    void fill_form();
    // The rows in view, as tab-separated text (header first), and as the batch
    // tool's CSV.
    std::string table_tsv() const;
    std::string table_csv() const;
    void copy_table();
    void save_table();
    void set_zoom(int percent);

    QLineEdit* field(const std::string& key) const;
    QTableView* table() const { return table_; }
    SizingPlot* plot() const { return plot_; }
    QProgressBar* progress_bar() const { return progress_; }
    QLabel* status_label() const { return status_; }
    QPushButton* start_button() const { return start_; }
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* fill_button() const { return fill_; }
    const sizing::Summary& summary() const { return summary_; }
    // The variant of the table's current row.
    std::optional<sizing::Variant> selected() const;

  signals:
    void finished();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // The requirements as the page holds them, resolved, or why not.
    Outcome<sizing::Space> space_on_page() const;
    // Before a run: how many variants the page's space holds.
    void show_count();
    void poll();
    void show_results();
    void apply_filter();
    void select_row(std::size_t row);

    FormReader read_form_;
    RatingReader read_rating_;
    FormWriter write_form_;
    DesktopServices desktop_;
    FileDialogs& dialogs_;

    std::map<std::string, QLineEdit*> fields_;
    QComboBox* keep_by_ = nullptr;
    QCheckBox* descending_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* failures_ = nullptr;
    QTableView* table_ = nullptr;
    SizingRows* rows_ = nullptr;
    SizingRowFilter* filter_ = nullptr;
    std::map<std::string, QLineEdit*> filter_fields_;
    QComboBox* filter_column_ = nullptr;
    QComboBox* plot_x_ = nullptr;
    QComboBox* plot_y_ = nullptr;
    SizingPlot* plot_ = nullptr;
    QPushButton* fill_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QTimer* poll_ = nullptr;

    // The run: its space, the rows it keeps, and the thread it runs on.
    std::unique_ptr<sizing::Space> space_;
    std::unique_ptr<sizing::SizingRun> run_;
    std::unique_ptr<sizing::KeptRows> kept_;
    sizing::Summary summary_;
    std::thread thread_;
    std::atomic<bool> done_{false};
    std::unique_ptr<sizing::Space> shown_space_;  // the space of the rows shown
};

}  // namespace gp
