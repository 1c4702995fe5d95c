#include "windows/Outside.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>

namespace tessaro {

void MessageBoxPresenter::show(const QString& text, const QString& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::NoIcon,
                    title, text, QMessageBox::Ok);
    box.exec();
}

void ProcessControl::end() {
    QCoreApplication::exit(0);
}

void ProcessControl::restart() {
    // The running program's own executable, wherever it was started from. The old game ends
    // even if the new one cannot start.
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    QCoreApplication::exit(0);
}

}  // namespace tessaro
