#include "report_actions.h"

#include "messages/base.h"
#include "messages/shell_texts.h"
#include "report_file_bytes.h"

namespace gp {

void print_report(const ReportDocument& doc, DesktopServices& desktop) {
    const PrintOutcome out = desktop.printer.print(doc);
    switch (out.kind) {
        case PrintOutcome::Kind::Printed:
            return;
        case PrintOutcome::Kind::SavedAsPdf:
            desktop.boxes.show(msg::kNoticeTitle,
                               msg::shell::printed_to_pdf(out.reason, out.pdf_path),
                               MessageIcon::Information);
            return;
        case PrintOutcome::Kind::Failed:
            desktop.boxes.show(msg::kNoticeTitle, msg::shell::not_printed(out.reason),
                               MessageIcon::Warning);
            return;
    }
}

bool save_report(const ReportDocument& doc, ReportKind kind, DesktopServices& desktop) {
    const SaveOutcome out = desktop.files.append(kind, report_file_bytes(doc));
    if (out.saved) return true;
    desktop.boxes.show(msg::kNoticeTitle,
                       msg::shell::not_saved(desktop.files.path(kind), out.reason),
                       MessageIcon::Warning);
    return false;
}

}  // namespace gp
