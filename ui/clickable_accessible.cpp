// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "ui/clickable_label_accessible.h"

#include "ui/click_filter.h"

#include <QAccessible>
#include <QLabel>

namespace wumpel {
namespace {

QAccessibleInterface* clickableLabelFactory(const QString& /*className*/, QObject* object)
{
    auto* label = qobject_cast<QLabel*>(object);
    if (label == nullptr) {
        return nullptr;
    }
    auto* filter = label->findChild<ClickFilter*>(QString(), Qt::FindDirectChildrenOnly);
    if (filter == nullptr) {
        return nullptr;
    }
    return new ClickableLabelAccessible(label, filter);
}

} // namespace

ClickableLabelAccessible::ClickableLabelAccessible(QLabel* label, ClickFilter* filter)
    : QAccessibleWidget(label, QAccessible::Button), m_filter(filter)
{
}

QStringList ClickableLabelAccessible::actionNames() const
{
    return {pressAction()};
}

void ClickableLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && m_filter != nullptr) {
        m_filter->click();
    }
}

void exposeAsButton(QLabel* label)
{
    static const bool installed = [] {
        QAccessible::installFactory(clickableLabelFactory);
        return true;
    }();
    Q_UNUSED(installed)
    // A label makes its accessible interface while it is being built, long before
    // it is watched; dropping that one lets the next query find the filter.
    if (QAccessibleInterface* built = QAccessible::queryAccessibleInterface(label)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
}

} // namespace wumpel
