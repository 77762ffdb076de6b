# Reads and writes fields of the settings file Data/DataFile: three 92-byte learning-settings
# records, one per mode, then the selected mode; numbers are 32-bit little-endian.
# Sourced after harness.sh.

settings_record_size=92
selected_mode_offset=276
declare -A settings_field_offset=([MaximumForQuestions]=12 [MaximumForAnswers]=16)

# record_int32 OFFSET: the number stored at the offset.
record_int32()
{
    od -An -t d4 --endian=little -j "$1" -N 4 "$data/DataFile" | tr -d ' '
}

# set_record_int32 OFFSET VALUE: stores a non-negative number at the offset.
set_record_int32()
{
    local value=$2
    printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((value & 255)) $((value >> 8 & 255)) \
        $((value >> 16 & 255)) $((value >> 24 & 255)))" |
        dd of="$data/DataFile" bs=1 seek="$1" conv=notrunc status=none
}

# set_mode_setting MODE FIELD VALUE: one learning setting of a mode (0 "Learning",
# 1 "Repeating", 2 "Repeating2").
set_mode_setting()
{
    set_record_int32 $(($1 * settings_record_size + settings_field_offset[$2])) "$3"
}

# selected_mode: the mode the file holds.
selected_mode() { record_int32 "$selected_mode_offset"; }
