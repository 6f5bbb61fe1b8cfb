#pragma once

#include "controls/CaptionFit.h"

#include <QLabel>
#include <QObject>

#include <vector>

class QPainter;

// One element of a label array: a label that reports clicks and wraps its
// caption between words only. A caption too large for the label is painted
// smaller, down to a smallest size, and what still does not fit is elided
// with "…"; a caption not shown whole is the label's tooltip, above the
// label's note. A label that takes focus shows a focus frame, and Enter or
// Space clicks it.
class ArrayLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ArrayLabel(QWidget* parent = nullptr);

    // Hides QLabel::setText, so that the tooltip follows the caption.
    void setText(const QString& caption);

    // A text the tooltip shows below the caption, whether or not it is cut.
    void SetToolTipNote(const QString& note);

    void SetSmallestPointSize(double pointSize);
    double SmallestPointSize() const { return smallestPointSize_; }

    // The font the caption is painted in, and its lines as painted.
    QFont CaptionFont() const;
    QStringList CaptionLines() const;
    bool ShowsCaptionWhole() const;

Q_SIGNALS:
    void Clicked();
    void KeyDown(qint16 keyCode, qint16 shift);

protected:
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct FittedCaption
    {
        QFont font;
        QStringList lines;
        bool whole = true;
    };
    FittedCaption FitCaption() const;
    void UpdateToolTip();
    void PaintFocusFrame(QPainter& painter) const;

    double smallestPointSize_ = 7.0;
    QString toolTipNote_;
};

// A control array of labels: element 0 is made with the window, further
// elements are loaded at run time as hidden copies of it. Click() and
// KeyDown() carry the index of the element clicked or pressed on.
class LabelArray : public QObject
{
    Q_OBJECT
public:
    explicit LabelArray(QWidget& window);

    // An element that was not loaded raises error 340.
    ArrayLabel* operator[](int index) const;
    bool Exists(int index) const;

    // Makes element `index` as a copy of element 0, hidden; an index that is
    // loaded already raises error 360.
    ArrayLabel* Load(int index);

Q_SIGNALS:
    void Click(qint16 index);
    void KeyDown(qint16 index, qint16 keyCode, qint16 shift);

private:
    ArrayLabel* Add(QWidget& window, int index);

    // Indexes need not be loaded in order; a gap holds nullptr.
    std::vector<ArrayLabel*> elements_;
};
