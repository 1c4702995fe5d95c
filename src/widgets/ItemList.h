#pragma once

#include <QObject>
#include <QRect>
#include <functional>
#include <span>
#include <vector>

#include "widgets/ActionLabel.h"
#include "widgets/TextLabel.h"

namespace tessaro {

// The action labels of a catalogue's items, one line each, which forward the pointer and
// the clicks with the item's index in its catalogue.
class ItemList : public QObject {
    Q_OBJECT
  public:
    explicit ItemList(QObject* parent) : QObject(parent) {}

    // One label for an item, named after its control.
    ActionLabel* add(int index, const char* control, const char* caption, QWidget* parent,
                     const QRect& geometry, int pixelSize = 8);

    // A column of the catalogue's items `items`, the first at `firstLine` and each further
    // one a line lower; `firstIndex` is the catalogue index of the first.
    template <typename Item>
    void addColumn(std::span<const Item> items, int firstIndex, QWidget* parent,
                   const QRect& firstLine) {
        int line = 0;
        for (const Item& item : items) {
            add(firstIndex + line, item.control, item.caption, parent,
                firstLine.translated(0, line * firstLine.height()));
            ++line;
        }
    }

    // The label of the item with this index, or nullptr.
    ActionLabel* label(int index) const;
    // The index of the item that this label is, or -1.
    int indexOf(const ActionLabel* label) const;
    // The labels, in the order of their indexes.
    std::vector<ActionLabel*> labels() const;

    // What a screen reader gives as each item's description: what the window shows of the
    // item while the pointer rests on it, asked afresh each time.
    void describeWith(std::function<QString(int index)> describe);

  signals:
    void pointerMoved(int index);
    void pointerLeft(int index);
    void clicked(int index);

  private:
    std::vector<ActionLabel*> labels_;
};

// A window's info line: it describes the item under the pointer and puts back its resting
// text when the pointer leaves.
class InfoLine : public TextLabel {
    Q_OBJECT
  public:
    InfoLine(const QString& objectName, const QString& restingText, QWidget* parent,
             const QColor& restingColour = QColor(0, 0, 0));

    void describe(const QString& text, const QColor& colour);
    void rest();

  private:
    void setLine(const QString& text, const QColor& colour);

    QString restingText_;
    QColor restingColour_;
};

}  // namespace tessaro
