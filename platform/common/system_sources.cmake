# Sources of platform/common/ that deal with time, files, random numbers and sound.
set(PLATFORM_COMMON_SYSTEM_SOURCES
)
