// The STEP file of named bodies: each body one product of an XDE document, written
// by the kernel's STEP translator as AP242 in millimetres (see solid_kernel.h).
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPCAFControl_Writer.hxx>
#include <STEPControl_Controller.hxx>
#include <Standard_Failure.hxx>
#include <TCollection_ExtendedString.hxx>
#include <TDataStd_Name.hxx>
#include <TDocStd_Document.hxx>
#include <TopoDS_Shape.hxx>
#include <XCAFApp_Application.hxx>
#include <XCAFDoc_DocumentTool.hxx>
#include <XCAFDoc_ShapeTool.hxx>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <random>

#include "solid_kernel.h"

namespace solid_kernel {
namespace {

// The translator's settings are global to the process: set once, under a lock.
std::mutex& translator_lock() {
    static std::mutex lock;
    return lock;
}

// The translator writes only to a named file: a fresh one in the temporary folder,
// read back and removed.
std::filesystem::path scratch_path() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    std::error_code ec;
    auto dir = std::filesystem::temp_directory_path(ec);
    if (ec) dir = ".";
    return dir / ("gearpair-solid-" + std::to_string(random()) + "-" + std::to_string(++counter) +
                  ".step");
}

}  // namespace

bool write_step(const std::vector<NamedBody>& bodies, std::string& text) {
    std::lock_guard<std::mutex> guard(translator_lock());
    try {
        // The translator reports on standard output, where the batch tool writes
        // the file itself: its printers are taken away.
        Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
        STEPControl_Controller::Init();
        Interface_Static::SetCVal("write.step.schema", "AP242DIS");
        Interface_Static::SetCVal("write.step.unit", "MM");

        Handle(TDocStd_Document) doc;
        XCAFApp_Application::GetApplication()->NewDocument("MDTV-XCAF", doc);
        Handle(XCAFDoc_ShapeTool) shapes = XCAFDoc_DocumentTool::ShapeTool(doc->Main());
        for (const NamedBody& b : bodies) {
            const TDF_Label label = shapes->AddShape(*b.body, false);
            TDataStd_Name::Set(label, TCollection_ExtendedString(b.name.c_str(), true));
        }
        STEPCAFControl_Writer writer;
        writer.SetNameMode(true);
        writer.SetColorMode(false);
        writer.SetLayerMode(false);
        const bool transferred = writer.Transfer(doc, STEPControl_AsIs);
        const std::filesystem::path path = scratch_path();
        const bool written = transferred && writer.Write(path.string().c_str()) == IFSelect_RetDone;
        if (written) {
            std::ifstream in(path, std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(in), {});
        }
        std::error_code ec;
        std::filesystem::remove(path, ec);
        XCAFApp_Application::GetApplication()->Close(doc);
        return written && !text.empty();
    } catch (const Standard_Failure&) {
        return false;
    }
}

}  // namespace solid_kernel
