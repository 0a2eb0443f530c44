#pragma once
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

// Font of one element, in screen pixels (96 per inch); 0 pixels means the report's base size.
struct ReportFont {
    int pixels = 0;
    bool bold = false;
    bool underline = false;
};

// One thing placed on a band: a label (a caption the program may set), a memo (several lines),
// a picture, an expression field (a column of the row being printed, with an optional mask such
// as "0.00") or a frame line (box or rule). Geometry is in pixels from the band's top left.
class ReportElement {
public:
    enum class Kind { Label, Memo, Image, Field, Frame };
    enum Side { NoSide = 0, Top = 1, Bottom = 2, Left = 4, Right = 8, Box = 15 };

    ReportElement(Kind kind, QString name, QRect geometry);

    Kind kind() const { return m_kind; }
    const QString& name() const { return m_name; }
    const QRect& geometry() const { return m_geometry; }
    void moveBy(int dx, int dy) { m_geometry.translate(dx, dy); }

    // Labels: the caption; memos: all lines joined by line breaks.
    QString text() const;
    void setText(const QString& text);

    void addLine(const QString& line) { m_lines << line; }
    void clearLines() { m_lines.clear(); }
    const QStringList& lines() const { return m_lines; }

    const QImage& image() const { return m_image; }
    void setImage(const QImage& image) { m_image = image; }
    // Loads the picture from a file; on failure the picture is cleared and the reason returned.
    QString loadImage(const QString& filePath);

    // Expression fields: the column of the row being printed that the field shows.
    const QString& field() const { return m_field; }
    void setField(const QString& column) { m_field = column; }
    const QString& mask() const { return m_mask; }
    void setMask(const QString& mask) { m_mask = mask; }
    // An expression field's text for a value: "0.00" money, "0" whole number, else as read.
    QString formatValue(const QVariant& value) const;

    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    int sides = NoSide;  // frames

private:
    Kind m_kind;
    QString m_name;
    QRect m_geometry;
    QString m_text;
    QString m_field;
    QString m_mask;
    QStringList m_lines;
    QImage m_image;
};
