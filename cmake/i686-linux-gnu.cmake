# 32-bit Linux build with the host's multilib compiler; its tests run under
# user-mode emulation where the kernel cannot run 32-bit code itself.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)

set(GRID_EMULATOR_NEEDS "qemu-i386 (Debian: qemu-user)")
find_program(GRID_QEMU_I386 qemu-i386)
if(GRID_QEMU_I386)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GRID_QEMU_I386})
endif()
