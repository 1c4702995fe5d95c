#include "widgets/ItemList.h"

#include <algorithm>
#include <iterator>

#include "widgets/Accessibility.h"
#include "widgets/Fonts.h"
#include "widgets/GameWindow.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

ActionLabel* ItemList::add(int index, const char* control, const char* caption, QWidget* parent,
                           const QRect& geometry, int pixelSize) {
    auto* label = new ActionLabel(QLatin1String(control), gameText(caption), pixelSize, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(geometry);
    connect(label, &ActionLabel::mouseMoved, this, [this, index] { emit pointerMoved(index); });
    connect(label, &ActionLabel::mouseLeft, this, [this, index] { emit pointerLeft(index); });
    connect(label, &ActionLabel::clicked, this, [this, index] { emit clicked(index); });
    if (labels_.size() <= static_cast<std::size_t>(index)) {
        labels_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    labels_[static_cast<std::size_t>(index)] = label;
    return label;
}

void ItemList::describeWith(std::function<QString(int index)> describe) {
    for (std::size_t index = 0; index < labels_.size(); ++index) {
        if (labels_[index] != nullptr) {
            setDescriber(labels_[index],
                         [describe, index] { return describe(static_cast<int>(index)); });
        }
    }
}

ActionLabel* ItemList::label(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= labels_.size()) {
        return nullptr;
    }
    return labels_[static_cast<std::size_t>(index)];
}

int ItemList::indexOf(const ActionLabel* label) const {
    const auto found = std::find(labels_.begin(), labels_.end(), label);
    return found == labels_.end() || label == nullptr ? -1
                                                      : static_cast<int>(found - labels_.begin());
}

std::vector<ActionLabel*> ItemList::labels() const {
    std::vector<ActionLabel*> present;
    std::copy_if(labels_.begin(), labels_.end(), std::back_inserter(present),
                 [](const ActionLabel* label) { return label != nullptr; });
    return present;
}

InfoLine::InfoLine(const QString& objectName, const QString& restingText, QWidget* parent,
                   const QColor& restingColour)
    : TextLabel(parent), restingText_(restingText), restingColour_(restingColour) {
    setObjectName(objectName);
    rest();
}

void InfoLine::describe(const QString& text, const QColor& colour) {
    setLine(text, colour);
}

void InfoLine::rest() {
    setLine(restingText_, restingColour_);
}

void InfoLine::setLine(const QString& text, const QColor& colour) {
    setText(text);
    setTextColour(this, colour);
}

}  // namespace tessaro
