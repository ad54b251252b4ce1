#include "platform/CException.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CUserException, CException)

void CException::Delete() {
    if (m_bAutoDelete) delete this;
}

void AfxThrowUserException() {
    throw new CUserException;
}
