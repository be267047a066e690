#!/usr/bin/perl
# Compares the checks that the manual page lists (its headings "Check N") with the table of
# checks, as the program list_checks prints it, one number a line.
#
#   check_list.pl PAGE LIST_CHECKS [EMULATOR...]
use strict;
use warnings;

my ($page, @list_checks) = @ARGV;
die "usage: check_list.pl PAGE LIST_CHECKS [EMULATOR...]\n" unless @list_checks;
# The emulator, if any, comes first on the command line.
@list_checks = (@list_checks[1 .. $#list_checks], $list_checks[0]) if @list_checks > 1;

my @problems;
open(my $table, '-|', @list_checks) or die "@list_checks: $!\n";
my %numbers = map { s/\s+$//r => 1 } <$table>;
close($table) or push @problems, "@list_checks failed";

open(my $in, '<', $page) or die "$page: $!\n";
my %listed;
while (<$in>) {
  next unless /^\.SS "?Check (\d+)\b/;
  push @problems, "$page: check $1 is listed twice" if $listed{$1}++;
}

my $table_list = join(' ', sort { $a <=> $b } keys %numbers);
my $page_list = join(' ', sort { $a <=> $b } keys %listed);
push @problems, "the table holds: $table_list\nthe page lists:  $page_list"
    if $table_list ne $page_list;
if (@problems) {
  print "FAIL: $_\n" for @problems;
  exit 1;
}
print scalar(keys %numbers) . " checks, each listed once: $page_list\n";
