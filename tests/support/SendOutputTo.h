#pragma once

// Answers the "Send Output To" dialog (frmPNFLResults) a display's Print
// button opens, as a user would.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace gm::test {

// Once the dialog is up: picks `option` ("OpText", "OpPrinter",
// "OpClipboard", "OpWeb"), for the printer sets the copy count, and presses
// OK. Any other dialog is closed and the test fails, so that nothing waits on
// a dialog nobody answers.
inline void ChooseOutput(const char* option, int copies = 0) {
    QTimer::singleShot(0, [option, copies] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return ADD_FAILURE() << "no dialog to answer";
        if (dialog->objectName() != "frmPNFLResults") {
            dialog->reject();
            return ADD_FAILURE() << "unexpected dialog " << dialog->objectName().toStdString();
        }
        dialog->findChild<QRadioButton*>(option)->click();
        if (copies > 0) dialog->findChild<QScrollBar*>("hsbCopies")->setValue(copies);
        dialog->findChild<QPushButton*>("cmdOK")->click();
    });
}

}  // namespace gm::test
