# Sourced by the scripts: use ccache when it is installed (the presets leave the compiler
# launcher to the environment, so a machine without ccache builds the same way).
if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
fi
