// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/dog_image.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDirIterator>
#include <QPainter>
#include <QString>

#include <utility>

namespace wumpel {
namespace {

QAccessibleInterface* pictureFactory(const QString& /*className*/, QObject* object)
{
    auto* picture = qobject_cast<DogPicture*>(object);
    return picture != nullptr ? new QAccessibleWidget(picture, QAccessible::Graphic) : nullptr;
}

} // namespace

QIcon dogIcon()
{
    QIcon icon(QStringLiteral(":/wumpel/wumpel.xpm"));
    // The build decides which sizes are rendered; whatever it put there is offered.
    QDirIterator renderings(QStringLiteral(":/wumpel/dog"), QDir::Files,
                            QDirIterator::Subdirectories);
    while (renderings.hasNext()) {
        icon.addFile(renderings.next());
    }
    return icon;
}

DogPicture::DogPicture(QIcon dog, const QString& accessibleName, QWidget* parent)
    : QWidget(parent), m_dog(std::move(dog))
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureFactory);
        return true;
    }();
    Q_UNUSED(installed)
    setFixedSize(DogSize);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(accessibleName);
}

void DogPicture::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), m_dog.pixmap(DogSize, devicePixelRatioF()));
}

} // namespace wumpel
