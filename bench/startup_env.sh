# Sourced by the start-up benchmarks: each start's settings, recovery files
# and single-instance lock stay out of the user's own, so a Vantrel already
# running does not stop them. Sets $scratch (removed at exit) with data/ and
# config/ for the XDG folders.
#
# A desktop session's runtime folder is in memory (/run/user/UID): the
# single-instance lock written and synced there costs nothing. Here it goes
# to /dev/shm where there is one; on disk that sync alone took 1.5 to 2 ms.
scratch="$(mktemp -d)"
runtime="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)"
trap 'rm -rf "$scratch" "$runtime"' EXIT
chmod 700 "$runtime"
mkdir -m 700 "$scratch/data" "$scratch/config"
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$runtime" TMPDIR="$runtime"
