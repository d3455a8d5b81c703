#pragma once

#include "app/hlav.h"
#include "fake_port.h"

#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

// Tests reach the window the way a user does: a control by its name, a
// command through its menu item or button, a tick through the window's timer.

template <class T> T* FindNamed(const QObject& form, const QString& name)
{
    T* found = form.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// The control of that name, typed as the window holds it.
#define CONTROL(form, name)                                                                        \
    FindNamed<std::remove_pointer_t<decltype(THlavControls::name)>>(form, QStringLiteral(#name))

// A window on a fake port: port 1 opens and never answers unless told to.
inline std::unique_ptr<TFormHlav> NewForm(TFakePort*& port, std::set<int> openable = {1})
{
    port = new TFakePort(std::move(openable));
    return std::make_unique<TFormHlav>(std::unique_ptr<ILinkPort>(port));
}

// A window whose port never opens.
inline std::unique_ptr<TFormHlav> NewForm()
{
    TFakePort* port = nullptr;
    return NewForm(port, {});
}

// One tick, as the window's timer would run it, and what the event loop does
// once the tick's slot has returned: the calls it queued, its boxes among them.
inline void Tick(TFormHlav& form, int ticks = 1)
{
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    for (int i = 0; i < ticks; ++i) {
        QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    }
}

// Shows the window and makes it the active one, so its shortcuts and focus work.
inline void Activate(QWidget& window)
{
    window.show();
    QApplication::setActiveWindow(&window);
}
