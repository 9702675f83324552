#!/usr/bin/env python3
"""Converts the staging tables (REPORT_...) of an existing maintenance database
into global temporary tables (ON COMMIT PRESERVE ROWS), so that every
connection sees only the staging rows it wrote itself.

    tools/convert_staging.py DATABASE [--user USER] [--password PASSWORD] [--dry-run]

DATABASE is a file path (embedded engine) or host:path / host/port:path.
User and password as every Firebird tool takes them: the options, else
ISC_USER / ISC_PASSWORD (a file needs none). Each table keeps its columns in
their order, its keys, indexes and grants; its rows are staging rows of earlier
runs and are dropped. Tables that already are temporary are left alone, so the
script may be run again. Run it when no program is connected to the database.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile


def fail(message):
    print(message, file=sys.stderr)
    sys.exit(1)


def isql_program():
    for name in ('isql-fb', 'isql'):
        path = shutil.which(name)
        if path:
            return path
    fail('Не найдена программа isql Firebird (пакет firebird3.0-utils).')


class Database:
    def __init__(self, target, user, password):
        self.target = target
        self.env = dict(os.environ)
        if user:
            self.env['ISC_USER'] = user
        if password:
            self.env['ISC_PASSWORD'] = password
        if not self.env.get('ISC_USER') and ':' not in target[2:]:
            self.env['ISC_USER'] = 'SYSDBA'
        self.isql = isql_program()

    def run(self, args, script=None):
        """Output of isql; the password travels in the environment only."""
        p = subprocess.run([self.isql, '-q'] + args + [self.target], input=script, env=self.env,
                           capture_output=True, text=True)
        errors = p.stderr.strip()
        if p.returncode != 0 or 'Statement failed' in errors or (errors and not p.stdout and script is None):
            raise RuntimeError(errors or 'isql ended with status %d' % p.returncode)
        return p.stdout

    def query(self, sql):
        """Rows of a query as lists of the values of its columns."""
        out = self.run(['-b'], 'SET LIST ON;\n' + sql + ';\n')
        rows, row = [], {}
        for line in out.splitlines():
            if not line.strip():
                if row:
                    rows.append(row)
                    row = {}
                continue
            name, _, value = line.partition(' ')
            row[name] = value.strip()
        if row:
            rows.append(row)
        return rows


def statements_of(ddl, table):
    """The statements of the extracted metadata that make up one table."""
    name = re.escape(table)
    create = re.search(r'^CREATE TABLE %s \((.*?)\);$' % name, ddl, re.S | re.M)
    if not create:
        return None
    rest = []
    rest += re.findall(r'^ALTER TABLE %s ADD .*?;$' % name, ddl, re.S | re.M)
    rest += re.findall(r'^CREATE (?:UNIQUE )?(?:(?:ASC|ASCENDING|DESC|DESCENDING) )?INDEX \S+ ON %s \(.*?\);$' % name,
                       ddl, re.M)
    rest += re.findall(r'^GRANT .* ON %s TO .*;$' % name, ddl, re.M)
    return create.group(1), rest


def main():
    ap = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    ap.add_argument('database')
    ap.add_argument('--user')
    ap.add_argument('--password')
    ap.add_argument('--dry-run', action='store_true', help='print the statements instead of running them')
    a = ap.parse_args()
    db = Database(a.database, a.user, a.password)

    try:
        ddl = db.run(['-x'])
    except RuntimeError as e:
        fail('Не удалось прочитать описание базы «%s»: %s' % (a.database, e))
    tables = re.findall(r'^CREATE TABLE (REPORT_\w+) \(', ddl, re.M)
    if not tables:
        print('В базе «%s» нет постоянных промежуточных таблиц REPORT_: преобразовывать нечего.' % a.database)
        return

    # Views, procedures and triggers over a staging table would be lost with it.
    deps = db.query("SELECT DISTINCT TRIM(RDB$DEPENDENT_NAME) AS DEPENDENT, TRIM(RDB$DEPENDED_ON_NAME) AS TBL "
                    "FROM RDB$DEPENDENCIES WHERE RDB$DEPENDED_ON_TYPE = 0 AND RDB$DEPENDED_ON_NAME STARTING WITH 'REPORT_'")
    deps = [d for d in deps if d.get('TBL') in tables]
    if deps:
        fail('Таблицы не преобразованы: от них зависят другие объекты базы (%s). Удалите или перенесите их и '
             'запустите преобразование снова.' % ', '.join('%s → %s' % (d['DEPENDENT'], d['TBL']) for d in deps))

    script = []
    for t in tables:
        parts = statements_of(ddl, t)
        if parts is None:
            fail('Не удалось разобрать описание таблицы %s.' % t)
        columns, rest = parts
        script.append('DROP TABLE %s;\nCOMMIT;' % t)
        script.append('CREATE GLOBAL TEMPORARY TABLE %s (%s)\nON COMMIT PRESERVE ROWS;' % (t, columns))
        script.extend(rest)
        script.append('COMMIT;')
    text = 'SET AUTODDL ON;\n' + '\n'.join(script) + '\n'
    if a.dry_run:
        print(text, end='')
        return
    with tempfile.NamedTemporaryFile('w', suffix='.sql', delete=False) as f:
        f.write(text)
    try:
        db.run(['-b', '-i', f.name])
    except RuntimeError as e:
        fail('Преобразование остановлено: %s\nЕсли база занята, закройте все программы, подключенные к ней, '
             'и запустите снова; уже преобразованные таблицы повторно не трогаются. Выполнявшиеся команды: %s'
             % (e, f.name))
    os.unlink(f.name)
    print('Преобразованы во временные таблицы (%d): %s' % (len(tables), ', '.join(tables)))


if __name__ == '__main__':
    main()
