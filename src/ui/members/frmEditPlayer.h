#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace gm::ui {

struct UiContext;

// Changes one name of the members list.
class frmEditPlayer : public QDialog {
    Q_OBJECT
public:
    frmEditPlayer(UiContext& ctx, const QString& name, QWidget* parent);
    QString Text() const;

public slots:
    void OnOK();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    UiContext& ctx_;
    QLineEdit* txt_;
    QPushButton* cmdOK_;
};

}  // namespace gm::ui
