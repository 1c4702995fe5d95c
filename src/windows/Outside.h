#pragma once

#include <QString>

#include "core/ShellPort.h"

class QWidget;

namespace tessaro {

// The program's modal message boxes; tests record them instead of blocking.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    virtual void show(const QString& text, const QString& title, MessageIcon icon) = 0;
};

// Ending and restarting the process; tests record them instead of exiting.
class ProgramControl {
  public:
    virtual ~ProgramControl() = default;
    virtual void end() = 0;
    virtual void restart() = 0;
};

// The real ones.
class MessageBoxPresenter : public MessagePresenter {
  public:
    void show(const QString& text, const QString& title, MessageIcon icon) override;
};

class ProcessControl : public ProgramControl {
  public:
    void end() override;
    void restart() override;
};

}  // namespace tessaro
