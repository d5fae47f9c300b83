// The batch tool gearpair-cli: its help and the lines it writes to standard error.
#pragma once

#include <cstddef>
#include <string>

namespace gp::msg {

namespace cli {

inline constexpr const char* kHelp =
    R"(Usage: gearpair-cli MODE [--report [--time "YYYY-MM-DD HH:MM:SS"] | --detail] [--jobs N] [FILE]

Computes every gear pair of a CSV file, as the desktop program's buttons would.

MODE
  geometry   the geometry calculation (the "计算齿轮参数" button)
  strength   the strength calculation (the "计算齿轮强度" button)
  profile    the tooth outlines (see DRAWING MODES below)
  mesh       the path of contact and the specific sliding (see DRAWING MODES)
  contour    the blocking contour of the shift coefficients (see CONTOUR MODE)

FILE
  A CSV file (UTF-8, RFC 4180 quoting) whose first row names the columns; "-" or
  no FILE reads standard input. A pair saved by the desktop program is such a
  file. The columns are the input form's fields, in any order and any subset:
    zxja fmn fjafn lxjbt ckbw h0 c0 nj cs1z1 cs2z2 ess1 ess2 esi1 esi2 fr1 fr2
    xng1 xng2 dpg1 dpg2 cgyj1 cgyj2 ck1 ck2 th1 th2 jd1 jd2
  and dx ("dx1" equal strength, "dx2" equal noise; empty or missing: dx1).
  A missing column counts as an empty field; each cell is taken exactly as typed.

OUTPUT
  CSV on standard output, one row per input row, in order:
    geometry: status,message,pz1,pz2,d1,d2,xn0,xn1,xn2,...,ews2,ewi2
    strength: status,message,sheet,zxj,zn,ck,...,wq1,wq2,jc
  status is "ok" or "stop"; message is the calculation's message on a stop, when
  every value cell is empty. sheet is jg1, jg2 or jg3; a value the chosen sheet
  does not show is empty.

  --detail   add a last column "detail": on a stop, what failed, with the values
             that matter (empty on "ok" rows).
  --report   instead of CSV, write exactly the bytes that saving each result would
             append to the report file (GBK text, CR LF), stamped with the current
             date and time; rows that stop are named on standard error.
  --time T   stamp the reports with the local time T ("2026-12-07 14:03:05")
             instead of the current one, in the system's date and time formats
             (for reports that must come out the same on every run).
  --jobs N   compute the rows on N threads (default: one per core; a build
             without OpenMP uses one); the output is the same, byte for byte,
             whatever N is. The file is read and written a few thousand rows at
             a time, so any length fits in memory.

EXIT STATUS
  0  every row was processed (rows that stop included)
  2  bad usage, an unreadable file, malformed CSV, an unknown column or a bad dx
     value (a message on standard error names the line; nothing on standard output)
)";

inline constexpr const char* kDrawingModesHelp = R"(
DRAWING MODES
  gearpair-cli profile [--gear 1|2|both] [--format csv|dxf|svg]
                       [--thickness nominal|upper|lower|mean] [--tolerance MM]
                       [--out DIR] [FILE]
    The transverse outline of each gear as cut by its basic rack (the root fillet
    radius cgyj1/cgyj2 rounds the rack's tip corner; empty: 0.38 x module, or
    the largest radius that fits the rack's tip when that does not, said on
    standard error): all teeth, one closed counter-clockwise curve, centre at the origin, tooth 1
    symmetric about +y, in mm. FILE is read as in the geometry mode.
      --gear       which gear (default both)
      --format     csv (default): header row,gear,x,y on standard output, one line
                   per point (the first point not repeated at the end), row
                   counting the data rows from 1;
                   dxf, svg: one file per row and gear in DIR, named
                   rowN-gearG.dxf / .svg (DXF: one closed LWPOLYLINE on layer
                   GEAR1/GEAR2, the circles on layer CIRCLES, millimetres)
      --thickness  nominal (default), or the nominal thickness changed by the upper
                   or lower thickness deviation or their mean
      --tolerance  largest chord deviation from the true curve, mm (default 0.001);
                   an outline above 200000 points is drawn coarser and said so
      --out        folder of the dxf and svg files (default: the current folder;
                   created when missing)
    A row whose geometry stops, or a gear that cannot be drawn, gives no points;
    its message goes to standard error with the row number.

  gearpair-cli mesh [FILE]
    One CSV line per row: status,message,ae,t1a,t1b,t1c,t1d,t1e,zeta1_a,zeta2_a,
    zeta1_e,zeta2_e: the length of the path of contact AE, the distances of A, B,
    C, D, E from T1 along the line of action (transverse plane, mm) and the
    specific sliding of gear 1 and gear 2 at A and at E, at full precision
    (%.17g). A row that stops (also when the path of contact is empty or passes a
    base tangent point) has stop, its message and empty cells.
)";

inline constexpr const char* kContourModeHelp = R"(
CONTOUR MODE
  gearpair-cli contour [--window X1MIN X1MAX X2MIN X2MAX] [--jobs N] [FILE]
    The blocking contour of each row's pair: the limit curves of the plane of the
    shift coefficients x1, x2, where a point is the pair with these coefficients
    at its no-backlash centre distance a(x1 + x2) (inv awt = inv at +
    2 tan an (x1 + x2)/(z1 + z2)), inside the window (default -1 2 -1 2; every
    bound within +-100). FILE is read as in the geometry mode; the typed
    centre distance and coefficients give the centre line and the points.
    One CSV line per point, header row,curve,x1,x2,a, at full precision (%.17g),
    row counting the data rows from 1, the curves in this order:
      undercut1, undercut2         zmin = z (the gear is undercut on the lower side)
      pointed1, pointed2           tip thickness sta = 0
      thin1, thin2                 sta = 0.25 x mn
      contact1, contact12          transverse contact ratio = 1 and 1.2
      interference1, interference2 tip interference index btf = 1
      sliding                      specific sliding at A on gear 1 = at E on gear 2
      centre                       x1 + x2 of the typed centre distance
    each as runs of points in order along the curve, no more than 0.01 apart,
    every point on its condition to 1e-7; a curve that leaves and re-enters the
    window, or meets points where the geometry stops, is several runs, the second
    named with "#2" (undercut1#2), and so on. Then the single points dx1 and dx2
    (the two splits of the typed centre distance) and current (the typed
    coefficients, or the split of the row's dx when they are empty).
    A row, or a point, whose geometry stops writes its message on standard error;
    so does a curve whose tracing ran out of its share of work, and a row whose
    search for curves ran out of work over a wide window (curves may be missing).
    Every curve with points in the window is sought, whatever the window's size.
    Rows are written as they are done, in order; --jobs N computes them on N
    threads as in the other modes, a few rows per thread held in memory.
)";

// A command line the tool cannot follow; the whole line, with the hint.
inline std::string usage_error(const std::string& what) {
    return "gearpair-cli: " + what + "\nTry 'gearpair-cli --help'.\n";
}
// A fault of the run as a whole; the whole line.
inline std::string error(const std::string& what) { return "gearpair-cli: " + what + "\n"; }
// A fault of the input file (named "-" for standard input); the whole line.
inline std::string file_error(const std::string& file, const std::string& what) {
    return "gearpair-cli: " + file + ": " + what + "\n";
}

// Usage.
inline constexpr const char* kJobsNeedsNumber = "--jobs needs a number";
inline std::string bad_jobs(int max_jobs, const std::string& value) {
    return "--jobs wants a whole number from 1 to " + std::to_string(max_jobs) + ", not '" + value +
           "'";
}
inline constexpr const char* kTimeNeedsTime = "--time needs a time";
inline std::string bad_time(const std::string& value) {
    return "--time '" + value + "' is not YYYY-MM-DD HH:MM:SS";
}
inline constexpr const char* kTooManyArguments = "too many arguments";
inline constexpr const char* kDetailWithReport = "--detail and --report cannot be combined";
inline constexpr const char* kNoMode = "no mode given";
inline std::string unknown_mode(const std::string& mode) { return "unknown mode '" + mode + "'"; }
inline std::string needs_value(const std::string& option) {
    return "option " + option + " needs a value";
}
// "bad --gear 3".
inline std::string bad_value(const std::string& option, const std::string& value) {
    return "bad " + option + " " + value;
}
inline std::string bad_tolerance(const std::string& value) {
    return "bad --tolerance " + value + " (a positive number of mm)";
}
inline constexpr const char* kEmptyOut = "empty --out";
inline std::string unknown_option(const std::string& option) { return "unknown option " + option; }
inline constexpr const char* kNoDxf = "DXF output is not available in this build";

// Files.
inline std::string cannot_read(const std::string& file) { return "cannot read " + file; }
inline constexpr const char* kCannotReadStdin = "cannot read standard input";
inline constexpr const char* kCannotCopyStdin = "cannot keep a copy of standard input";
inline std::string cannot_reread(const std::string& file) {
    return "cannot read " + file + " a second time";
}
inline constexpr const char* kReadingFailed = "reading failed part of the way";
inline std::string cannot_create_folder(const std::string& folder) {
    return "cannot create the folder " + folder;
}
inline std::string cannot_write(const std::string& path) { return "cannot write " + path; }
inline constexpr const char* kCannotWriteOutput =
    "cannot write standard output; what was written is incomplete";

// What is wrong with the input table, naming its line.
inline std::string at_line(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}
inline std::string malformed_csv(const std::string& where) { return "malformed CSV at " + where; }
inline constexpr const char* kUnclosedQuote = "a quoted cell is not closed";
inline constexpr const char* kTextAfterQuote = "text follows the closing quote of a cell";
inline constexpr const char* kQuoteInUnquoted = "a quote inside an unquoted cell";
inline constexpr const char* kMalformedCsv = "malformed CSV";
inline constexpr const char* kNoHeader = "the header row is missing";
inline constexpr const char* kUnreadable = "cannot be read";
inline std::string column_twice(const std::string& name) {
    return "column \"" + name + "\" appears twice";
}
// The batch tool never passes over a column it does not know (a misspelt name
// would leave its field empty without a word); the desktop program does, and says so.
inline std::string unknown_column(const std::string& name) {
    return "unknown column \"" + name +
           "\" (the batch tool reads only the form's and the rating's columns; the desktop "
           "program opens such a file and passes the column over)";
}
inline std::string wrong_width(std::size_t cells, std::size_t header_cells) {
    return std::to_string(cells) + " cells where the header has " + std::to_string(header_cells);
}
inline std::string bad_dx(const std::string& cell) {
    return "dx must be dx1 or dx2, not \"" + cell + "\"";
}

// Rows that stop or are drawn coarser; whole lines.
inline std::string row_stop(int line, const std::string& message) {
    return at_line(line, message) + "\n";
}
inline std::string drawn_row_stop(int row, const std::string& message) {
    return "row " + std::to_string(row) + ": " + message + "\n";
}
// `gear` is the index, 0 or 1; the line names gear 1 or 2.
inline std::string drawn_gear_stop(int row, int gear, const std::string& message) {
    return "row " + std::to_string(row) + ", gear " + std::to_string(gear + 1) + ": " + message +
           "\n";
}
// `gear` the index as above; `tolerance` as the stream writes a double.
inline std::string drawn_coarser(int row, int gear, std::size_t max_points,
                                 const std::string& tolerance) {
    return "row " + std::to_string(row) + ", gear " + std::to_string(gear + 1) + ": more than " +
           std::to_string(max_points) + " points at the tolerance asked; drawn to " + tolerance +
           " mm\n";
}

// The contour mode.
inline std::string bad_window(const std::string& values) {
    return "bad --window " + values +
           " (four numbers X1MIN X1MAX X2MIN X2MAX, each minimum below its maximum, all "
           "within +-100)";
}
inline std::string contour_point_stop(int row, const std::string& point,
                                      const std::string& message) {
    return "row " + std::to_string(row) + ", " + point + ": " + message + "\n";
}
inline std::string contour_cut_short(int row, const std::string& curve) {
    return "row " + std::to_string(row) + ", " + curve +
           ": the tracing work ran out; the curve may be incomplete\n";
}
inline std::string contour_search_cut_short(long row) {
    return "row " + std::to_string(row) +
           ": the search for curves ran out of work over this window; curves may be missing\n";
}

// `gear` the index; the radii as the stream writes a double. A whole line.
inline std::string drawn_fitted_rounding(int row, int gear, const std::string& default_radius,
                                         const std::string& radius) {
    return "row " + std::to_string(row) + ", gear " + std::to_string(gear + 1) +
           ": root fillet radius empty; 0.38 x module = " + default_radius +
           " mm does not fit the rack's tip, drawn with the largest radius that fits, " + radius +
           " mm\n";
}

}  // namespace cli

}  // namespace gp::msg
