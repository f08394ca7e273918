#pragma once
// The AT-SPI events of one kind, as a screen reader hears them: their source object and
// first detail, in order of arrival. AtspiBus::pump() brings in what has arrived.
#include <vector>

#include <atspi/atspi.h>

#include <QString>

class AtspiEventLog {
public:
    struct Event {
        QString source;  // AtspiNode::path() of the object
        int detail = 0;  // for a state change: 1 set, 0 cleared
    };

    // `kind` as libatspi spells it, such as "object:state-changed:checked".
    explicit AtspiEventLog(const char* kind);
    ~AtspiEventLog();
    AtspiEventLog(const AtspiEventLog&) = delete;
    AtspiEventLog& operator=(const AtspiEventLog&) = delete;

    bool listening() const { return listening_; }
    const std::vector<Event>& events() const { return events_; }

private:
    static void record(AtspiEvent* event, void* log);

    AtspiEventListener* listener_ = nullptr;
    QString kind_;
    bool listening_ = false;
    std::vector<Event> events_;
};
