#include "AtspiEventLog.h"

AtspiEventLog::AtspiEventLog(const char* kind) : kind_(QString::fromLatin1(kind)) {
    listener_ = atspi_event_listener_new(&AtspiEventLog::record, this, nullptr);
    GError* error = nullptr;
    listening_ = atspi_event_listener_register(listener_, kind, &error);
    if (error) {
        g_error_free(error);
        listening_ = false;
    }
}

AtspiEventLog::~AtspiEventLog() {
    if (listening_)
        atspi_event_listener_deregister(listener_, kind_.toLatin1().constData(), nullptr);
    g_object_unref(listener_);
}

void AtspiEventLog::record(AtspiEvent* event, void* log) {
    const QString source =
        event->source ? QString::fromUtf8(ATSPI_OBJECT(event->source)->path) : QString();
    static_cast<AtspiEventLog*>(log)->events_.push_back({source, event->detail1});
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}
