#pragma once

#include "controls/CaptionFit.h"

#include <QLabel>
#include <QObject>

#include <vector>

// One element of a label array: a label that reports clicks and wraps its
// caption between words only. A caption too large for the label is painted
// smaller, down to a smallest size, and what still does not fit is elided
// with "…"; a caption not shown whole is the label's tooltip.
class ArrayLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ArrayLabel(QWidget* parent = nullptr);

    // Hides QLabel::setText, so that the tooltip follows the caption.
    void setText(const QString& caption);

    void SetSmallestPointSize(double pointSize);
    double SmallestPointSize() const { return smallestPointSize_; }

    // The font the caption is painted in, and its lines as painted.
    QFont CaptionFont() const;
    QStringList CaptionLines() const;
    bool ShowsCaptionWhole() const;

Q_SIGNALS:
    void Clicked();

protected:
    void changeEvent(QEvent* event) override;
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

    double smallestPointSize_ = 7.0;
};

// A control array of labels: element 0 is made with the window, further
// elements are loaded at run time as hidden copies of it. Click() carries
// the index of the element clicked.
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

private:
    ArrayLabel* Add(QWidget& window, int index);

    // Indexes need not be loaded in order; a gap holds nullptr.
    std::vector<ArrayLabel*> elements_;
};
