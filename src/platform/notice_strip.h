// The strip under a window's own layout where the program says what the window's
// figures cannot: that a result rests on other inputs than the ones the user may
// think, or on a value no gear can have. Every window that has such notices shows
// them here, and only here: the layout above keeps its size and place, the window
// grows by the strip, and the strip is no part of a report, a print or a copy.
#pragma once

#include <QLabel>
#include <string>
#include <vector>

namespace gp {

class NoticeStrip : public QLabel {
  public:
    // The strip of `window`, made on first use; nullptr until then (and no room
    // taken) when `make` is false.
    static NoticeStrip* of(QWidget* window, bool make = true);
    // Shows `notices` under `window`: a window that never had any gets no strip.
    static void show_on(QWidget* window, const std::vector<std::string>& notices);

    // Shows the notices, one paragraph each; none hides the strip and gives the
    // window back its own size.
    void show_notices(const std::vector<std::string>& notices);
    const std::vector<std::string>& notices() const { return notices_; }
    // Around the notices: a lasting first line on what the window shows (a longer
    // explanation in the tool tip), and a last line with the outcome of the
    // window's last task (a saved file, say). An empty text removes the line.
    void set_note(const std::string& text, const std::string& explanation = {});
    void set_status(const std::string& text);

    // Places the strip under a layout `layout_height` pixels tall (the window's
    // own size at its zoom), as wide as the window, and makes the window as tall as
    // both. The zoom calls this once it has scaled the layout.
    void fit(int layout_height);
    // What the strip adds to the window's height now.
    int added_height() const { return added_; }

  private:
    explicit NoticeStrip(QWidget* window);
    // The note, the notices and the status, one paragraph each.
    void refresh();

    std::vector<std::string> notices_;
    std::string note_, explanation_, status_;
    int lines_ = 0;  // paragraphs shown
    int layout_height_ = 0;
    int added_ = 0;
};

}  // namespace gp
