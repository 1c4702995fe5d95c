#include "jobs/TfJob.h"

#include <QLabel>

#include "jobs/JobOffers.h"
#include "widgets/Accessibility.h"
#include "widgets/Fonts.h"
#include "widgets/ItemList.h"
#include "widgets/Pictures.h"
#include "widgets/ScreenLanguage.h"

namespace tessaro {

namespace {

constexpr int kClientWidth = 350;
constexpr int kClientHeight = 182;
constexpr int kHeaderHeight = 17;
constexpr int kLineStep = 13;
constexpr int kLeftX = 3;
constexpr int kLeftWidth = 168;
constexpr int kRightX = 175;
constexpr int kRightWidth = 172;

const QColor kRed(255, 0, 0);

}  // namespace

TfJob::TfJob(Game& game)
    : ActivityWindow(game, WindowId::fJob, tr("Поиск работы"), QSize(kClientWidth, kClientHeight),
                     QStringLiteral("Label6"), ReturnLook::WhiteOnHighlight),
      offers_(new ItemList(this)) {
    setObjectName(QStringLiteral("fJob"));

    addHeader(tr("Доступные предложения"), client(), QRect(kLeftX, 3, kLeftWidth, kHeaderHeight),
              HeaderLook::WhiteOnHighlight, 11);
    QFrame* box =
        addBox(client(), QRect(kLeftX, 3 + kHeaderHeight, kLeftWidth, kJobCount * kLineStep + 6));
    for (const JobOffer& offer : jobOffers()) {
        const int index = offer.id - 1;
        ActionLabel* caption = offers_->add(index, offer.control, offer.caption, box,
                                            QRect(6, 3 + index * kLineStep, 0, kLineStep));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The label is as wide as its caption, so the wage stands just right of it.
        caption->resize(caption->fontMetrics().horizontalAdvance(caption->text()) + 2, kLineStep);
        auto* wage = makeLabel(box, gameText(offer.wageText));
        wage->setObjectName(QLatin1String(offer.wageLabel));
        wage->setFont(gameFont(8, true));
        setTextColour(wage, kRed);
        wage->setGeometry(caption->geometry().right() + 5, caption->y(), 60, kLineStep);
        wage->hide();
        wages_[static_cast<std::size_t>(index)] = wage;
        bindEnabled(caption, game_.jobs.itemEnabled[static_cast<std::size_t>(index)]);
    }
    placeReturnLabel(QRect(kLeftX, box->geometry().bottom() + 4, kLeftWidth,
                           kClientHeight - box->geometry().bottom() - 7));

    auto* title = makeLabel(client(), tr("Требования"));
    title->setFont(gameFont(11, true));
    setTextColour(title, kRed);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(kRightX, 3, kRightWidth, kHeaderHeight);
    for (int i = 0; i < 5; ++i) {
        auto* line = makeLabel(client());
        line->setObjectName(QStringLiteral("lLine%1").arg(i + 1));
        line->setFont(gameFont(8, true));
        setTextColour(line, QColor(128, 128, 128));
        line->setGeometry(kRightX + 4, 24 + i * 15, kRightWidth - 6, 15);
        lines_[static_cast<std::size_t>(i)] = line;
    }
    QFrame* verdictBox = addBox(client(), QRect(kRightX, 124, kRightWidth, kClientHeight - 127));
    paintBackground(verdictBox, kMoneyGreen);
    lInfo_ = makeLabel(verdictBox);
    lInfo_->setObjectName(QStringLiteral("lInfo"));
    lInfo_->setFont(gameFont(9, true));
    setTextColour(lInfo_, kRed);
    lInfo_->setAlignment(Qt::AlignCenter);
    lInfo_->setWordWrap(true);
    lInfo_->setGeometry(verdictBox->rect().adjusted(4, 2, -4, -2));

    // Three jobs have the same name: the wage tells them apart. A greyed job is no job the
    // player can get: its verdict is why it is greyed.
    offers_->describeWith([this](int index) {
        QStringList lines =
            QStringList{wages_[static_cast<std::size_t>(index)]->text()} + shownLines(index);
        const char* why = OfferGreyedReason(game_, jobOffers()[static_cast<std::size_t>(index)]);
        if (why != nullptr && !offers_->label(index)->isEnabled()) {
            lines.last() = gameText(why);
        }
        return spokenLines(lines);
    });
    // The window says as it opens the jobs that are greyed because of the player's own.
    describeGreyed(*offers_, [this](int index) {
        return OfferGreyedReason(game_, jobOffers()[static_cast<std::size_t>(index)]);
    });
    connect(offers_, &ItemList::pointerMoved, this, &TfJob::OfferMouseMove);
    connect(offers_, &ItemList::pointerLeft, this, &TfJob::OfferMouseLeave);
    connect(offers_, &ItemList::clicked, this, &TfJob::OfferClick);
}

void TfJob::clearLines() {
    for (QLabel* line : lines_) {
        line->clear();
    }
    lInfo_->clear();
}

void TfJob::FormShow() {
    run(RefreshOffers);
}

void TfJob::OfferMouseMove(int index) {
    wages_[static_cast<std::size_t>(index)]->show();
    const QStringList shown = shownLines(index);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setText(shown[static_cast<qsizetype>(i)]);
    }
    lInfo_->setText(shown.back());
}

QStringList TfJob::shownLines(int index) const {
    const JobOffer& offer = jobOffers()[static_cast<std::size_t>(index)];
    QStringList shown;
    for (const char* line : offer.lines) {
        shown.append(gameText(line));
    }
    shown.append(gameText(JobVerdict(game_, offer)));
    return shown;
}

void TfJob::OfferMouseLeave(int index) {
    wages_[static_cast<std::size_t>(index)]->hide();
    clearLines();
}

void TfJob::OfferClick(int index) {
    if (run(TakeJob, jobOffers()[static_cast<std::size_t>(index)])) {
        wages_[static_cast<std::size_t>(index)]->hide();
        clearLines();
    }
}

}  // namespace tessaro
