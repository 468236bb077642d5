#include "OptionFrames.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace gm::ui {

QRadioButton* RadioOption(const char* name, const QString& caption, QWidget* parent) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}

namespace {

// A frame whose options go one under another into one exclusive group.
QGroupBox* Frame(const QString& title, QWidget* parent, QButtonGroup** group) {
    auto* box = new QGroupBox(title, parent);
    new QVBoxLayout(box);
    *group = new QButtonGroup(box);
    return box;
}

void Add(QGroupBox* box, QButtonGroup* group, QRadioButton* option) {
    box->layout()->addWidget(option);
    group->addButton(option);
}

}  // namespace

QGroupBox* OptionFrame(const QString& title, std::initializer_list<QRadioButton*> options, QWidget* parent) {
    QButtonGroup* group = nullptr;
    QGroupBox* box = Frame(title, parent, &group);
    for (QRadioButton* o : options) Add(box, group, o);
    return box;
}

QGroupBox* OptionFrame(const QString& title,
                       std::initializer_list<std::pair<const char*, const char*>> options, QWidget* parent) {
    QButtonGroup* group = nullptr;
    QGroupBox* box = Frame(title, parent, &group);
    for (const auto& [name, caption] : options) Add(box, group, RadioOption(name, caption, box));
    return box;
}

QGroupBox* OptionGroup(const QString& title, const char* name, const QStringList& captions, int checked,
                       QWidget* parent, const std::function<void(int)>& chosen) {
    auto* frame = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    for (int i = 0; i < captions.size(); ++i) {
        auto* option = new QRadioButton(captions[i], frame);
        option->setObjectName(QString("%1%2").arg(name).arg(i));
        group->addButton(option, i);
        layout->addWidget(option);
    }
    group->button(checked)->setChecked(true);
    QObject::connect(group, &QButtonGroup::idClicked, frame, chosen);
    return frame;
}

QLineEdit* FigureBox(const char* name, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(80);
    return box;
}

}  // namespace gm::ui
