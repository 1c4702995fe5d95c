#include "widgets/ScreenLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "core/Templates.h"

namespace tessaro {

namespace {

// Where the rules' texts are found in the translation: the namespace that marks them.
constexpr const char* kRulesContext = "tessaro";

ScreenLanguage chosenLanguage = ScreenLanguage::Russian;

QTranslator& gameTranslation() {
    static auto* translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}

QTranslator& qtTranslation() {
    static auto* translator = new QTranslator(QCoreApplication::instance());
    return *translator;
}

// A template of the rules as a pattern that matches the texts composed from it, and the number
// of the value that each of its captures holds.
struct TemplatePattern {
    const char* source;
    QRegularExpression pattern;
    std::vector<int> numbers;
};

const std::vector<TemplatePattern>& templatePatterns() {
    static const std::vector<TemplatePattern> patterns = [] {
        std::vector<TemplatePattern> all;
        static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
        for (const char* source : kTextTemplates) {
            const QString text = QString::fromUtf8(source);
            QString pattern = QStringLiteral("^");
            std::vector<int> numbers;
            qsizetype at = 0;
            for (auto match = placeholder.globalMatch(text); match.hasNext();) {
                const QRegularExpressionMatch next = match.next();
                pattern += QRegularExpression::escape(text.mid(at, next.capturedStart() - at));
                pattern += QStringLiteral("(.+?)");
                numbers.push_back(next.captured(1).toInt());
                at = next.capturedEnd();
            }
            pattern += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            all.push_back({source, QRegularExpression(pattern), std::move(numbers)});
        }
        return all;
    }();
    return patterns;
}

}  // namespace

void useLanguage(ScreenLanguage language) {
    chosenLanguage = language;
    // Numbers, sizes, dates and the names of file types in Qt's own dialogs follow the game's
    // language too: the desktop's conventions where it speaks that language.
    const QLocale::Language wanted =
        language == ScreenLanguage::English ? QLocale::English : QLocale::Russian;
    QLocale::setDefault(QLocale::system().language() == wanted ? QLocale::system()
                                                               : QLocale(wanted));
    QCoreApplication::removeTranslator(&gameTranslation());
    QCoreApplication::removeTranslator(&qtTranslation());
    // Qt speaks English of its own. Both translations are mapped, not read: a few tenths of a
    // millisecond at start-up.
    if (language == ScreenLanguage::Russian &&
        qtTranslation().load(QStringLiteral("qtbase_ru"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTranslation());
    }
    if (language == ScreenLanguage::English &&
        gameTranslation().load(QStringLiteral(":/i18n/tessaro_en.qm"))) {
        QCoreApplication::installTranslator(&gameTranslation());
    }
}

ScreenLanguage screenLanguage() {
    return chosenLanguage;
}

ScreenLanguage desktopLanguage(const QStringList& uiLanguages) {
    for (const QString& code : uiLanguages) {
        if (const std::optional<ScreenLanguage> spoken = languageNamed(
                code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0))) {
            return *spoken;
        }
    }
    return ScreenLanguage::Russian;
}

std::optional<ScreenLanguage> languageNamed(const QString& code) {
    if (code.compare(QLatin1String("ru"), Qt::CaseInsensitive) == 0) {
        return ScreenLanguage::Russian;
    }
    if (code.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0) {
        return ScreenLanguage::English;
    }
    return std::nullopt;
}

QString gameText(std::string_view russian) {
    const QString text = QString::fromUtf8(russian.data(), static_cast<qsizetype>(russian.size()));
    // Every text that needs a translation holds a Russian letter: the numbers, sums and product
    // names that the clock rewrites most are passed as they are.
    const bool plain = std::all_of(russian.begin(), russian.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (chosenLanguage == ScreenLanguage::Russian || plain) {
        return text;
    }
    const std::string source(russian);
    const QString whole = QCoreApplication::translate(kRulesContext, source.c_str());
    if (whole != text) {
        return whole;
    }
    for (const TemplatePattern& form : templatePatterns()) {
        const QRegularExpressionMatch match = form.pattern.match(text);
        if (!match.hasMatch()) {
            continue;
        }
        // Every template holds at least one value (a text without one is translated whole).
        std::vector<std::string> values(
            static_cast<std::size_t>(*std::max_element(form.numbers.begin(), form.numbers.end())));
        for (std::size_t i = 0; i < form.numbers.size(); ++i) {
            values[static_cast<std::size_t>(form.numbers[i]) - 1] =
                gameText(match.captured(static_cast<int>(i) + 1).toStdString()).toStdString();
        }
        const std::vector<std::string_view> filled(values.begin(), values.end());
        const std::string translated =
            QCoreApplication::translate(kRulesContext, form.source).toStdString();
        return QString::fromStdString(fillIn(translated, filled));
    }
    return text;
}

}  // namespace tessaro
