#include "platform/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

class ToolkitDialogs final : public DialogProvider {
  public:
    int messageBox(const std::string& text, int style, const std::string& title) override {
        QMessageBox box(style == vbCritical ? QMessageBox::Critical : QMessageBox::Warning,
                        QString::fromStdString(title), QString::fromStdString(text),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
        return vbOK;
    }

    // The box keeps the size of what it holds. On Windows it takes the thin frame of a fixed-size
    // dialog, as the message box does, not a sizing border, for which a window manager under Wine
    // draws a resize handle along its bottom edge.
    std::string inputBox(const std::string& prompt, const std::string& title) override {
        bool accepted = false;
        const QString text =
            QInputDialog::getText(QApplication::activeWindow(), QString::fromStdString(title),
                                  QString::fromStdString(prompt), QLineEdit::Normal, QString(),
                                  &accepted, Qt::MSWindowsFixedSizeDialogHint);
        return accepted ? text.toStdString() : std::string();
    }
};

ToolkitDialogs toolkitDialogs;
DialogProvider* provider = &toolkitDialogs; // who shows the boxes now
int boxesOpen = 0;                          // boxes shown and not yet dismissed

// Counts a box as open for as long as it is shown, however it is left.
struct OpenBox {
    OpenBox() { ++boxesOpen; }
    ~OpenBox() { --boxesOpen; }
    OpenBox(const OpenBox&) = delete;
    OpenBox& operator=(const OpenBox&) = delete;
};

} // namespace

int msgBox(const std::string& text, int style, const std::string& title) {
    OpenBox open;
    return provider->messageBox(text, style, title);
}

std::string inputBox(const std::string& prompt, const std::string& title) {
    OpenBox open;
    return provider->inputBox(prompt, title);
}

bool dialogOpen() {
    return boxesOpen > 0;
}

void setDialogProvider(DialogProvider* replacement) {
    provider = replacement ? replacement : &toolkitDialogs;
}

} // namespace platform
