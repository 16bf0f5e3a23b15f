#!/usr/bin/env bash
# Lays out a sample project folder when there is none.
set -euo pipefail
project=$1
[ -d "$project" ] && exit 0
mkdir -p "$project"
