// Export marks of the library's public interface. The library is built with hidden visibility,
// so only classes marked AFX_EXT_CLASS and functions marked AFX_EXT_API are seen by hosts, as an
// extension module marks what it exports.
#pragma once

#define AFX_EXT_CLASS __attribute__((visibility("default")))
#define AFX_EXT_API __attribute__((visibility("default")))
