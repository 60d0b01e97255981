#include "PictureButtonAccessibility.h"

#include "PictureButton.h"

#include <QAccessibleWidget>

namespace corvanel {

namespace {

class PictureButtonAccessible final : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return button()->spokenName();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            button()->click();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }

private:
    PictureButton* button() const { return static_cast<PictureButton*>(widget()); }
};

QAccessibleInterface* pictureButtonAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureButton::staticMetaObject.className())) {
        if (auto* button = qobject_cast<PictureButton*>(object)) {
            return new PictureButtonAccessible(button);  // Qt's accessibility cache owns it
        }
    }
    return nullptr;
}

}  // namespace

void installPictureButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(pictureButtonAccessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace corvanel
