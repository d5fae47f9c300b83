#include "outline_dxf.h"

#include "messages/profile.h"

#if GEARPAIR_HAVE_DXF
#include <dl_attributes.h>
#include <dl_codes.h>
#include <dl_dxf.h>
#include <dl_entities.h>
#include <dl_writer_ascii.h>

#include <cctype>
#include <charconv>
#include <limits>

#include "decimal_text.h"
#endif

namespace gp {

#if GEARPAIR_HAVE_DXF
namespace {

// The library's writer, with its group-code output sent to memory instead of a
// file: the library lays out the sections, tables and entities, the caller decides
// where the bytes go (a path in any script, an atomic save). Every value the
// library writes comes through these functions; the numbers are formatted here
// (the library's own real writer formats into a buffer of fixed size), so a
// coordinate of any size is written whole.
class MemoryDxfWriter : public DL_WriterA {
  public:
    MemoryDxfWriter() : DL_WriterA("", DL_Codes::AC1015) {}

    const std::string& text() const { return out_; }

    void dxfReal(int gc, double value) const override {
        code(gc);
        // Trailing zeros carry nothing; one digit after the point stays.
        append_decimal_trimmed(out_, value, kOutlineDxfDecimals);
        out_ += '\n';
    }
    void dxfInt(int gc, int value) const override {
        code(gc);
        append_int(value, 10);
        out_ += '\n';
    }
    void dxfHex(int gc, int value) const override {
        code(gc);
        const std::size_t at = out_.size();
        append_int(static_cast<unsigned>(value), 16);
        for (std::size_t k = at; k < out_.size(); ++k) {
            out_[k] = static_cast<char>(std::toupper(static_cast<unsigned char>(out_[k])));
        }
        out_ += '\n';
    }
    void dxfString(int gc, const char* value) const override {
        code(gc);
        out_ += value;
        out_ += '\n';
    }
    void dxfString(int gc, const std::string& value) const override {
        dxfString(gc, value.c_str());
    }

  private:
    // A group code right-aligned in three columns.
    void code(int gc) const {
        const std::size_t at = out_.size();
        append_int(gc, 10);
        if (const std::size_t width = out_.size() - at; width < 3) out_.insert(at, 3 - width, ' ');
        out_ += '\n';
    }
    template <typename Int>
    void append_int(Int value, int base) const {
        const std::size_t at = out_.size();
        out_.resize(at + 2 + std::numeric_limits<Int>::digits);  // digits in base 2, and a sign
        const auto written =
            std::to_chars(out_.data() + at, out_.data() + out_.size(), value, base);
        out_.resize(static_cast<std::size_t>(written.ptr - out_.data()));
    }
    mutable std::string out_;
};

constexpr const char* kCircleLayer = "CIRCLES";

}  // namespace

bool dxf_available() { return true; }

Outcome<std::string> outline_dxf(const GearOutline& o) {
    const std::string gear_layer = o.index == 1 ? "GEAR2" : "GEAR1";
    DL_Dxf dxf;
    MemoryDxfWriter dw;

    dxf.writeHeader(dw);
    dw.dxfString(9, "$INSUNITS");
    dw.dxfInt(70, 4);  // millimetres
    dw.dxfString(9, "$MEASUREMENT");
    dw.dxfInt(70, 1);  // metric
    dw.sectionEnd();

    dw.sectionTables();
    dxf.writeVPort(dw);
    dw.tableLinetypes(3);
    dxf.writeLinetype(dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
    dxf.writeLinetype(dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
    dw.tableEnd();
    dw.tableLayers(3);
    dxf.writeLayer(dw, DL_LayerData("0", 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(gear_layer, 0),
                   DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
    dxf.writeLayer(dw, DL_LayerData(kCircleLayer, 0),
                   DL_Attributes("", DL_Codes::l_gray, 100, "CONTINUOUS", 1.0));
    dw.tableEnd();
    dw.tableStyle(1);
    dxf.writeStyle(dw, DL_StyleData("Standard", 0, 2.5, 1.0, 0.0, 0, 2.5, "txt", ""));
    dw.tableEnd();
    dxf.writeView(dw);
    dxf.writeUcs(dw);
    dw.tableAppid(1);
    dxf.writeAppid(dw, "ACAD");
    dw.tableEnd();
    dxf.writeDimStyle(dw, 2.5, 0.625, 0.625, 0.625, 2.5);
    dxf.writeBlockRecord(dw);
    dw.tableEnd();
    dw.sectionEnd();

    dw.sectionBlocks();
    dxf.writeBlock(dw, DL_BlockData("*Model_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Model_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space");
    dxf.writeBlock(dw, DL_BlockData("*Paper_Space0", 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(dw, "*Paper_Space0");
    dw.sectionEnd();

    dw.sectionEntities();
    const DL_Attributes outline_attributes(gear_layer, 256, -1, "BYLAYER", 1.0);
    // Flag 1: closed; the first point is not repeated.
    dxf.writePolyline(dw, DL_PolylineData(static_cast<int>(o.points.size()), 0, 0, 1),
                      outline_attributes);
    for (const OutlinePoint& p : o.points) dxf.writeVertex(dw, DL_VertexData(p.x, p.y, 0.0, 0.0));
    dxf.writePolylineEnd(dw);
    const DL_Attributes circle_attributes(kCircleLayer, 256, -1, "BYLAYER", 1.0);
    for (double r : {o.tip_radius, o.reference_radius, o.base_radius, o.root_radius}) {
        if (r > 0.0) dxf.writeCircle(dw, DL_CircleData(0.0, 0.0, 0.0, r), circle_attributes);
    }
    dw.sectionEnd();

    dxf.writeObjects(dw);
    dxf.writeObjectsEnd(dw);
    dw.dxfEOF();
    return dw.text();
}

#else

bool dxf_available() { return false; }

Outcome<std::string> outline_dxf(const GearOutline&) { return Stop{msg::kDxfNotAvailable}; }

#endif

}  // namespace gp
