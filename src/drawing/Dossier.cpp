#include "drawing/Dossier.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>

namespace kovex::dossier {

namespace {

// Everything is laid out in points on an A4 page; the writer's resolution
// is ten device units to the point, and fonts are sized in whole points.
constexpr double kDeviceUnitsPerPoint = 10;
constexpr int kResolution = 720;
constexpr double kPageWidth = 595.276;
constexpr double kPageHeight = 841.89;
constexpr double kLeft = 56.7;
constexpr double kRight = kPageWidth - 56.7;
constexpr double kWidth = kRight - kLeft;
constexpr double kTop = 66;
constexpr double kBottom = kPageHeight - 60;
constexpr double kHeaderBaseline = 34;
constexpr double kFooterBaseline = kPageHeight - 30;
constexpr double kCellPadding = 2.5;

// 1009 x 657 pixels at 150 pixels per inch, on whole pixels of a page
// rendered at that resolution, so that the page and the saved bitmap can be
// laid one over the other.
constexpr double kDrawingPointsPerPixel = 72.0 / 150.0;
constexpr double kDrawingLeft = 57.6;
constexpr double kDrawingTop = 86.4;

constexpr int kTitleSize = 18;
constexpr int kHeadingSize = 13;
constexpr int kSubheadingSize = 10;
constexpr int kTextSize = 9;
constexpr int kHeaderSize = 8;
constexpr int kTableSize = 8;
constexpr int kSmallestTableSize = 5;

const QColor kRule(128, 128, 128);
const QColor kHeadingFill(225, 225, 225);

QFont fontOf(int points, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(points);
    font.setBold(bold);
    return font;
}

using Paint = std::function<void(QPainter&)>;

// The document as pages of painting steps: laid out first, so that every
// footer knows the number of pages, then painted.
class Pages {
  public:
    explicit Pages(QPaintDevice& device) : m_device(device) {}

    void newPage() {
        m_pages.emplace_back();
        m_y = kTop;
    }
    // Starts a new page unless the current one is still empty.
    void freshPage() {
        if (m_pages.empty() || m_y > kTop)
            newPage();
    }
    void need(double height) {
        if (m_pages.empty() || m_y + height > kBottom)
            newPage();
    }
    void space(double height) { m_y += height; }

    double textHeight(const QFont& font, const QString& text, double width) const {
        const QFontMetricsF metrics(font, &m_device);
        return metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text).height();
    }
    double textWidth(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, &m_device).horizontalAdvance(text);
    }

    void paragraph(const QString& text, const QFont& font, QColor colour = Qt::black, double indent = 0) {
        const double height = textHeight(font, text, kWidth - indent);
        need(height);
        const QRectF box(kLeft + indent, m_y, kWidth - indent, height);
        add([=](QPainter& p) {
            p.setFont(font);
            p.setPen(colour);
            p.drawText(box, Qt::TextWordWrap, text);
        });
        m_y += height;
    }
    void heading(const QString& text, int size) {
        need(3 * size); // never alone at the foot of a page
        space(size * 0.4);
        paragraph(text, fontOf(size, true));
        space(size * 0.3);
    }
    // Labels in a column as wide as the widest of `labels`, values beside.
    void pairs(const std::vector<Pair>& rows, const std::vector<const std::vector<Pair>*>& labels);
    void pairs(const std::vector<Pair>& rows) { pairs(rows, {&rows}); }
    void table(const Table& table);
    void drawing(const QString& heading, const ZonePictureInput& input);

    bool paint(QPdfWriter& writer, const Content& content) const;

  private:
    void add(Paint step) { m_pages.back().push_back(std::move(step)); }
    std::vector<double> columnWidths(const Table& table, const QFont& font) const;
    QFont tableFont(const Table& table) const;
    double rowHeight(const Row& row, const std::vector<double>& widths, const QFont& font) const;
    void tableRow(const Row& row, const std::vector<double>& widths, const QFont& font, bool headingRow);
    void paintFrame(QPainter& p, const Content& content, int page, int pages) const;

    QPaintDevice& m_device;
    std::vector<std::vector<Paint>> m_pages;
    double m_y = kTop;
};

void Pages::pairs(const std::vector<Pair>& rows, const std::vector<const std::vector<Pair>*>& labels) {
    const QFont label = fontOf(kTextSize, true);
    const QFont value = fontOf(kTextSize);
    double labelWidth = 0;
    for (const std::vector<Pair>* group : labels)
        for (const Pair& row : *group)
            labelWidth = std::max(labelWidth, textWidth(label, row.label));
    labelWidth = std::min(labelWidth + 8, kWidth / 2);
    for (const Pair& row : rows) {
        const double height = std::max(textHeight(label, row.label, labelWidth - 4),
                                       textHeight(value, row.value, kWidth - labelWidth));
        need(height);
        const double y = m_y;
        add([=](QPainter& p) {
            p.setPen(Qt::black);
            p.setFont(label);
            p.drawText(QRectF(kLeft, y, labelWidth - 4, height), Qt::TextWordWrap, row.label);
            p.setFont(value);
            p.drawText(QRectF(kLeft + labelWidth, y, kWidth - labelWidth, height), Qt::TextWordWrap,
                       row.value);
        });
        m_y += height + 1.5;
    }
}

Row headingRow(const Table& table) {
    Row row;
    for (const QString& heading : table.headings)
        row.push_back({heading, 0xff000000, true});
    return row;
}

// Each column as wide as its widest text; a table wider than the page
// shares the page out in proportion and wraps its texts.
std::vector<double> Pages::columnWidths(const Table& table, const QFont& font) const {
    QFont bold = font;
    bold.setBold(true);
    std::vector<double> widths(static_cast<std::size_t>(table.headings.size()), 0.0);
    for (std::size_t c = 0; c < widths.size(); ++c)
        widths[c] = textWidth(bold, table.headings[static_cast<int>(c)]);
    for (const Row& row : table.rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], textWidth(row[c].bold ? bold : font, row[c].text));
    double total = 0;
    for (double& width : widths)
        total += (width += 2 * kCellPadding + 1);
    const double factor = total > kWidth ? kWidth / total : 1.0;
    for (double& width : widths)
        width *= factor;
    return widths;
}

// The largest size up to the normal one at which the table fits the page.
QFont Pages::tableFont(const Table& table) const {
    for (int size = kTableSize; size > kSmallestTableSize; --size) {
        const QFont font = fontOf(size);
        const std::vector<double> widths = columnWidths(table, font);
        double total = 0;
        for (double width : widths)
            total += width;
        if (total < kWidth - 0.5)
            return font;
    }
    return fontOf(kSmallestTableSize);
}

double Pages::rowHeight(const Row& row, const std::vector<double>& widths, const QFont& font) const {
    double height = textHeight(font, QStringLiteral("0"), 100);
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
        QFont cellFont = font;
        cellFont.setBold(row[c].bold);
        height = std::max(height, textHeight(cellFont, row[c].text, widths[c] - 2 * kCellPadding));
    }
    return height + 2 * kCellPadding;
}

void Pages::tableRow(const Row& row, const std::vector<double>& widths, const QFont& font, bool isHeading) {
    const double height = rowHeight(row, widths, font);
    const double y = m_y;
    add([=](QPainter& p) {
        double x = kLeft;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const QRectF cell(x, y, widths[c], height);
            if (isHeading)
                p.fillRect(cell, kHeadingFill);
            p.setPen(QPen(kRule, 0.4));
            p.drawRect(cell);
            if (c < row.size()) {
                QFont cellFont = font;
                cellFont.setBold(row[c].bold);
                p.setFont(cellFont);
                p.setPen(QColor::fromRgb(row[c].colour));
                p.drawText(cell.adjusted(kCellPadding, kCellPadding, -kCellPadding, -kCellPadding),
                           Qt::TextWordWrap, row[c].text);
            }
            x += widths[c];
        }
    });
    m_y += height;
}

// The heading row is repeated on every page the table runs onto.
void Pages::table(const Table& table) {
    const QFont font = tableFont(table);
    const std::vector<double> widths = columnWidths(table, font);
    const Row headings = headingRow(table);
    const double headingHeight = rowHeight(headings, widths, font);
    need(headingHeight + rowHeight(table.rows.empty() ? headings : table.rows.front(), widths, font));
    tableRow(headings, widths, font, true);
    for (const Row& row : table.rows) {
        const double height = rowHeight(row, widths, font);
        if (m_y + height > kBottom) {
            newPage();
            tableRow(headings, widths, font, true);
        }
        tableRow(row, widths, font, false);
    }
    space(6);
}

// Always on a page of its own at the same place, its heading above it.
void Pages::drawing(const QString& heading, const ZonePictureInput& input) {
    freshPage();
    this->heading(heading, kSubheadingSize);
    const QRectF box = drawingRect();
    add([=](QPainter& p) {
        p.save();
        p.translate(box.topLeft());
        p.scale(kDrawingPointsPerPixel, kDrawingPointsPerPixel);
        p.setClipRect(QRect(0, 0, kPictureWidth, kPictureHeight));
        bool bracketNote = false;
        paintZonePicture(p, input, bracketNote);
        p.restore();
        p.setPen(QPen(kRule, 0.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
    });
    m_y = box.bottom() + 12;
}

void Pages::paintFrame(QPainter& p, const Content& content, int page, int pages) const {
    const QFont font = fontOf(kHeaderSize);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPointF(kLeft, kHeaderBaseline), content.callsign);
    p.drawText(QPointF(kRight - textWidth(font, content.date), kHeaderBaseline), content.date);
    const QString title = content.title;
    p.drawText(QPointF(kLeft + (kWidth - textWidth(font, title)) / 2, kHeaderBaseline), title);
    p.setPen(QPen(kRule, 0.5));
    p.drawLine(QPointF(kLeft, kHeaderBaseline + 6), QPointF(kRight, kHeaderBaseline + 6));
    p.drawLine(QPointF(kLeft, kFooterBaseline - 12), QPointF(kRight, kFooterBaseline - 12));
    p.setPen(Qt::black);
    const QString footer = content.pageOfPages.arg(page).arg(pages);
    p.drawText(QPointF(kLeft + (kWidth - textWidth(font, footer)) / 2, kFooterBaseline), footer);
}

bool Pages::paint(QPdfWriter& writer, const Content& content) const {
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    const int pages = static_cast<int>(m_pages.size());
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !writer.newPage())
            return false;
        painter.setTransform(QTransform::fromScale(kDeviceUnitsPerPoint, kDeviceUnitsPerPoint));
        paintFrame(painter, content, page + 1, pages);
        for (const Paint& step : m_pages[static_cast<std::size_t>(page)])
            step(painter);
    }
    return painter.end();
}

void layOutCover(Pages& pages, const Content& content) {
    pages.newPage();
    pages.space(30);
    pages.paragraph(content.title, fontOf(kTitleSize, true));
    pages.space(18);
    pages.pairs(content.cover);
    pages.heading(content.enclosuresHeading, kHeadingSize);
    for (const Enclosure& enclosure : content.enclosures) {
        pages.paragraph((enclosure.held ? content.heldMark : content.notHeldMark) + QLatin1Char(' ') +
                            enclosure.name,
                        fontOf(kTextSize, enclosure.held));
        pages.space(2);
    }
    pages.space(6);
    for (const QString& note : content.coverNotes)
        pages.paragraph(note, fontOf(kTextSize));
}

void layOutSummary(Pages& pages, const Content& content) {
    pages.newPage();
    pages.heading(content.validationHeading, kHeadingSize);
    for (const QString& line : content.validation)
        pages.paragraph(line, fontOf(kTextSize), Qt::black, 8);
    pages.space(8);
    pages.heading(content.limitsHeading, kHeadingSize);
    pages.table(content.limits);
    pages.heading(content.summaryHeading, kHeadingSize);
    for (const Table& table : content.summary)
        pages.table(table);
}

void layOutAntenna(Pages& pages, const Antenna& antenna) {
    pages.newPage();
    pages.heading(antenna.heading, kHeadingSize);
    pages.heading(antenna.inputsHeading, kSubheadingSize);
    // Inputs and results in the same two columns.
    pages.pairs(antenna.inputs, {&antenna.inputs, &antenna.results});
    pages.heading(antenna.resultsHeading, kSubheadingSize);
    pages.pairs(antenna.results, {&antenna.inputs, &antenna.results});
    for (const QString& note : antenna.notes) {
        pages.space(4);
        pages.paragraph(note, fontOf(kTextSize, true), Qt::red);
    }
    if (antenna.drawing) {
        pages.drawing(antenna.drawingHeading, *antenna.drawing);
    } else {
        pages.heading(antenna.drawingHeading, kSubheadingSize);
        pages.paragraph(antenna.drawingFailure, fontOf(kTextSize, true), Qt::red);
    }
    pages.heading(antenna.pointsHeading, kSubheadingSize);
    pages.table(antenna.points);
    for (const Cell& sentence : antenna.legend) {
        pages.paragraph(sentence.text, fontOf(kTextSize, sentence.bold), QColor::fromRgb(sentence.colour));
        pages.space(2);
    }
}

} // namespace

QRectF drawingRect() {
    return QRectF(kDrawingLeft, kDrawingTop, kPictureWidth * kDrawingPointsPerPixel,
                  kPictureHeight * kDrawingPointsPerPixel);
}

bool write(QIODevice& device, const Content& content) {
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(kResolution);
    writer.setTitle(content.title + QStringLiteral(" ") + content.callsign);
    writer.setCreator(QStringLiteral("kovex"));

    Pages pages(writer);
    layOutCover(pages, content);
    layOutSummary(pages, content);
    for (const Antenna& antenna : content.antennas)
        layOutAntenna(pages, antenna);
    return pages.paint(writer, content);
}

} // namespace kovex::dossier
