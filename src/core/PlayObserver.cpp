#include "core/PlayObserver.h"

PlayObserver* PlayObserver::m_pObserver = nullptr;
