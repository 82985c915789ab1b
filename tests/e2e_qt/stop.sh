#!/bin/bash
# stop.sh FOLDER: ends what start.sh FOLDER started.
folder=$1
[[ -f $folder/pids ]] && kill $(cat "$folder/pids") 2>/dev/null
exit 0
