#pragma once
// The program's version. The build stamps the project version (CMakeLists.txt) into the code
// and into the version resource as RVLN_VERSION_MAJOR and RVLN_VERSION_MINOR; the resource
// script includes this header too, so it holds macros only outside C++.
#define RVLN_STRINGIZE_(x) #x
#define RVLN_STRINGIZE(x) RVLN_STRINGIZE_(x)
#define RVLN_VERSION_TEXT RVLN_STRINGIZE(RVLN_VERSION_MAJOR) "." RVLN_STRINGIZE(RVLN_VERSION_MINOR)

#ifdef __cplusplus
namespace lib {

// The title of the application and of its boxes, "Ravelin v3.31".
inline constexpr const char* kProgramTitle = "Ravelin v" RVLN_VERSION_TEXT;

}  // namespace lib
#endif
