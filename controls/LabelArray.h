#pragma once

#include "controls/CaptionFit.h"

#include <QLabel>
#include <QObject>

#include <vector>

// One element of a label array: a label that reports clicks and wraps its
// caption at word boundaries. A word a little too long for a line is painted
// a little smaller; a much longer one breaks inside. A caption with too many
// lines for the label is painted smaller.
class ArrayLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ArrayLabel(QWidget* parent = nullptr);

    // The font the caption is painted in.
    QFont CaptionFont() const;

Q_SIGNALS:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct FittedCaption
    {
        QFont font;
        CaptionLayout layout;
    };
    FittedCaption FitCaption() const;
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
