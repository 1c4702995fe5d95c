// The world outside the game in the browser. The page's files go with the page: the kept game
// lasts in the browser's storage (localStorage: written at once, so a game kept as the page
// closes is there at the next visit), a game the player saves goes to his computer as a
// download, and one he loads comes from it through the browser's own file picker. The page
// (packaging/web) says whether this page holds the slot of the last game, starts the game anew
// and shows what follows the end.
#include <emscripten.h>
#include <emscripten/bind.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

#include "app/QtShellPort.h"
#include "widgets/ScreenLanguage.h"
#include "widgets/WindowCaption.h"

namespace tessaro {

namespace {

// The page's JavaScript, as the browser reads it.
// clang-format off
// Whether another page of the game holds the slot: the page asked the browser for its lock
// before the game started.
EM_JS(int, anotherPageHoldsTheSlot, (), { return Module.tessaroHoldsTheSlot === false ? 1 : 0; });

// Copies the file at `path` to the browser's storage, or takes the copy away where the file is
// gone; 0 when done, 1 when the storage is full or refused.
EM_JS(int, copyToStorage, (const char* path), {
    const name = UTF8ToString(path);
    const key = "tessaro:" + name;
    try {
        if (FS.analyzePath(name).exists) {
            const bytes = FS.readFile(name);
            let text = "";
            for (let i = 0; i < bytes.length; i += 8192) {
                text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
            }
            localStorage.setItem(key, text);
        } else {
            localStorage.removeItem(key);
        }
        return 0;
    } catch (error) {
        return 1;
    }
});

// Opens the browser's file picker for a saved game; its answer comes to fileChosen, an empty
// name where the player cancelled. The game waits for the answer, which must come.
EM_JS(void, offerTheFilePicker, (), {
    const input = document.createElement("input");
    input.type = "file";
    input.accept = ".tso";
    input.style.display = "none";
    document.body.appendChild(input);
    let answered = false;
    const answer = (name, bytes) => {
        if (!answered) {
            answered = true;
            input.remove();
            Module.tessaroFileChosen(name, bytes);
        }
    };
    input.addEventListener("cancel", () => answer("", new Uint8Array()));
    // A browser that tells no cancel: the page has its focus back, and no file came soon after.
    window.addEventListener("focus", () => setTimeout(() => {
        if (!input.files || input.files.length === 0) {
            answer("", new Uint8Array());
        }
    }, 1000), { once: true });
    input.addEventListener("change", () => {
        const file = input.files[0];
        if (!file) {
            answer("", new Uint8Array());
            return;
        }
        file.arrayBuffer().then(buffer => answer(file.name, new Uint8Array(buffer)),
                                () => answer("", new Uint8Array()));
    });
    input.click();
});

EM_JS(void, pageRestarts, (), {
    if (Module.tessaroRestart) {
        Module.tessaroRestart();
    }
});

EM_JS(void, pageEnded, (), {
    if (Module.tessaroEnded) {
        Module.tessaroEnded();
    }
});
// clang-format on

// The file that the player picked, while the game waits for it.
struct PickedFile {
    QEventLoop* waiting = nullptr;
    QString name;
    QByteArray bytes;
};

PickedFile& picked() {
    static PickedFile file;
    return file;
}

void fileChosen(std::string name, std::string bytes) {
    picked().name = QString::fromStdString(name);
    picked().bytes = QByteArray::fromStdString(bytes);
    if (picked().waiting != nullptr) {
        picked().waiting->quit();
    }
}

EMSCRIPTEN_BINDINGS(tessaro_page) {
    emscripten::function("tessaroFileChosen", &fileChosen);
}

// The page's folders of the games that come from the player and go to him.
QString fromThePlayer() {
    return QDir::tempPath() + QStringLiteral("/from-the-player");
}

QString toThePlayer() {
    return QDir::tempPath() + QStringLiteral("/to-the-player");
}

// What the player reads when the browser keeps no more.
constexpr const char* kStorageFull =
    QT_TRANSLATE_NOOP("tessaro", "Браузер не сохраняет больше данных этой страницы.");

}  // namespace

bool QtShellPort::anotherCopyKeepsTheSlot() {
    return anotherPageHoldsTheSlot() != 0;
}

std::optional<QString> QtShellPort::keepLasting(const QString& path) {
    if (copyToStorage(path.toUtf8().constData()) != 0) {
        return QCoreApplication::translate("tessaro", kStorageFull);
    }
    return std::nullopt;
}

void QtShellPort::handOver(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).absolutePath() == toThePlayer() && file.open(QIODevice::ReadOnly)) {
        QFileDialog::saveFileContent(file.readAll(), QFileInfo(path).fileName());
        file.remove();
    }
}

std::optional<std::string> QtShellPort::chooseFile(const FileChoice& choice) {
    if (choice.purpose == FileChoice::Purpose::Save) {
        // The browser saves a download under the name it is given, in the player's folder of
        // downloads (or asks him where, as he set it): the game asks the name alone.
        QInputDialog dialog(owner());
        dialog.setWindowTitle(gameText(choice.title));
        dialog.setLabelText(QCoreApplication::translate("tessaro", "Имя файла:"));
        dialog.setTextValue(QFileInfo(QString::fromStdString(choice.rememberedName)).fileName());
        dialog.setWindowModality(Qt::ApplicationModal);
        WindowCaption::addTo(&dialog);
        // A name is a name: no folder of the page's in it.
        const QString name =
            dialog.exec() == QDialog::Accepted
                ? dialog.textValue().trimmed().replace(QLatin1Char('/'), QLatin1Char('_'))
                : QString();
        if (name.isEmpty()) {
            return std::nullopt;
        }
        QDir().mkpath(toThePlayer());
        return QDir(toThePlayer()).filePath(name).toStdString();
    }
    PickedFile& file = picked();
    QEventLoop loop;
    file = PickedFile{&loop, {}, {}};
    offerTheFilePicker();
    loop.exec(QEventLoop::DialogExec);
    file.waiting = nullptr;
    if (file.name.isEmpty()) {
        return std::nullopt;
    }
    // The page's copy, which the game reads as any saved game, by its own name.
    QDir().mkpath(fromThePlayer());
    const QString path = QDir(fromThePlayer()).filePath(QFileInfo(file.name).fileName());
    QFile copy(path);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(file.bytes) != file.bytes.size()) {
        return std::nullopt;
    }
    return path.toStdString();
}

void QtShellPort::endProgram() {
    releaseTheSlot();
    pageEnded();
    QCoreApplication::exit(0);
}

std::optional<std::string> QtShellPort::restartProgram() {
    // The page starts the game anew, with the options it started with but the kept game.
    releaseTheSlot();
    pageRestarts();
    return std::nullopt;
}

}  // namespace tessaro
