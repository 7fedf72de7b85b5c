#pragma once
// A control array: controls sharing one name, told apart by Index. The
// window connects an event once for the whole array and its handler gets
// the member's Index first, then the event's own arguments:
//     chkB.on(&CheckBox::Click, this, &FrmPsychLaws::chkB_Click);   // (int Index)
//     vscHarmonic.on(&ScrollBar::Validate, this, &FrmFourier::vscHarmonic_Validate);
//                                                   // (int Index, bool &Cancel)
// Members may be sparse (lblLowerVal has only member 1). The members are
// the window's controls, so they come and go with Load and Unload; the
// array (a member of the window) stays.

#include "forms/events.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <vector>

namespace forms {

class ControlArrayBase
{
public:
    virtual ~ControlArrayBase() = default;
    // The window is unloading: its controls and their connections go.
    virtual void clear() = 0;
};

template <typename T>
class ControlArray : public ControlArrayBase
{
public:
    explicit ControlArray(QString name)
        : m_name(std::move(name))
    {
    }
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    QString name() const { return m_name; }
    // The object name of member index: "name(index)".
    QString memberName(int index) const { return QStringLiteral("%1(%2)").arg(m_name).arg(index); }

    // The member with this index, or nullptr if there is none.
    T *operator[](int index) const
    {
        const auto it = m_members.find(index);
        return it == m_members.end() ? nullptr : it->second.data();
    }
    int count() const { return int(m_members.size()); }
    int LBound() const { return m_members.empty() ? 0 : m_members.begin()->first; }
    int UBound() const { return m_members.empty() ? -1 : m_members.rbegin()->first; }
    // The members in index order.
    std::vector<T *> members() const
    {
        std::vector<T *> list;
        for (const auto &[index, member] : m_members) {
            if (member)
                list.push_back(member.data());
        }
        return list;
    }

    // Takes a new member (the window made it, named and indexed it); the
    // events already connected for the array reach it too.
    void insert(int index, T *member)
    {
        m_members[index] = member;
        for (const auto &connect : m_connectors)
            connect(member);
    }

    // Connects an event of every member, now and loaded later in this
    // Load, to one handler: a member function of context or a callable,
    // taking (int Index, the event's arguments...). Guarded like every
    // handler.
    template <typename Signal, typename Context, typename Handler>
    void on(Signal signal, Context *context, Handler handler)
    {
        auto connect = [signal, context, handler](T *member) {
            const int index = member->Index();
            QObject::connect(member, signal, context, [context, handler, index](auto &&...args) {
                guarded([&] {
                    if constexpr (std::is_member_function_pointer_v<Handler>)
                        (context->*handler)(index, std::forward<decltype(args)>(args)...);
                    else
                        handler(index, std::forward<decltype(args)>(args)...);
                });
            });
        };
        for (T *member : members())
            connect(member);
        m_connectors.push_back(connect);
    }

    void clear() override
    {
        m_members.clear();
        m_connectors.clear();
    }

private:
    QString m_name;
    std::map<int, QPointer<T>> m_members;
    std::vector<std::function<void(T *)>> m_connectors;
};

} // namespace forms
